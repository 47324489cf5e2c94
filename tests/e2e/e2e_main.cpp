// The end-to-end programs' main. Each test runs against a deadline: one that
// waits on the real program for longer is reported by name and the test
// program ends at once (the programs it started end with it), so a fault
// costs its budget, not ctest's whole timeout.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace {

class Deadline : public ::testing::EmptyTestEventListener {
public:
    explicit Deadline(std::chrono::seconds budget) : budget_(budget), watcher_([this] { watch(); }) {}
    // gtest deletes its listeners as the program exits: the watcher must be gone by then.
    ~Deadline() override { stop(); }

private:
    void OnTestProgramEnd(const ::testing::UnitTest&) override { stop(); }
    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            changed_.notify_one();
        }
        if (watcher_.joinable()) watcher_.join();
    }
    void OnTestStart(const ::testing::TestInfo& test) override {
        const std::lock_guard lock(mutex_);
        name_ = std::string(test.test_suite_name()) + "." + test.name();
        deadline_ = std::chrono::steady_clock::now() + budget_;
        changed_.notify_one();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        const std::lock_guard lock(mutex_);
        deadline_ = kNone;
        changed_.notify_one();
    }
    void watch() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (deadline_ == kNone) {
                changed_.wait(lock);
                continue;
            }
            if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout &&
                std::chrono::steady_clock::now() >= deadline_) {
                std::fprintf(stderr, "\n%s ran over its %lld s (set-up, body and tear-down); ending the test program\n",
                             name_.c_str(), static_cast<long long>(budget_.count()));
                std::fflush(stderr);
                std::fflush(stdout);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
    }

    static constexpr std::chrono::steady_clock::time_point kNone = std::chrono::steady_clock::time_point::max();
    const std::chrono::seconds budget_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string name_;
    std::chrono::steady_clock::time_point deadline_ = kNone;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace

int main(int argc, char** argv) {
    // The tests read the screen and the windows in the display's own pixels, at any scale.
    SetProcessDPIAware();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Deadline(std::chrono::seconds(QL_E2E_TEST_BUDGET_S)));
    return RUN_ALL_TESTS();
}
