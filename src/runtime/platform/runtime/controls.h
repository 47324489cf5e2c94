// A form's windowless controls: labels, pictures and rectangle shapes, each
// made from its stored properties. They register with their form, which
// hands their stored properties to the window when it is created and routes
// a click on a label or picture to the control's Click handler.
#pragma once

#include "platform/control_spec.h"
#include "platform/image_codec.h"

namespace ql {

class Form;

class Control {
public:
    using Handler = void (*)(Form&);

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return stored_.name; }

protected:
    Control(Form& owner, ControlKind kind, ControlSpec stored, Handler click);

    ControlSpec stored_;

private:
    friend class Form;

    Handler click_;
};

class Label : public Control {
public:
    Label(Form& owner, ControlSpec stored, Handler click = nullptr)
        : Control(owner, ControlKind::Label, std::move(stored), click) {}

    const std::string& Caption() const { return stored_.caption; }
};

// The runtime's Image control; the decoded picture it shows is an Image.
class ImageControl : public Control {
public:
    // The picture is read from the program's asset of that name.
    ImageControl(Form& owner, ControlSpec stored, const char* assetName, Handler click = nullptr);

    const Image& Picture() const { return picture_; }

private:
    Image picture_;
};

class Shape : public Control {
public:
    Shape(Form& owner, ControlSpec stored) : Control(owner, ControlKind::Shape, std::move(stored), nullptr) {}
};

}  // namespace ql
