#include "app/form1.h"

#include <cstdio>

#include "app/quorlin.h"

namespace ql {

namespace {

WindowSpec form1Stored() {
    WindowSpec stored;
    stored.formName = "Form1";
    stored.text = "Quorlin";
    stored.left = -194;
    stored.top = -75;
    stored.width = 101;
    stored.height = 125;
    stored.background = rgb(0, 0, 255);
    stored.showInTaskbar = false;
    return stored;
}

}  // namespace

Form1::Form1(Quorlin& program) : Form(program.runtime, form1Stored()), program_(program) {
    static constexpr const char* kFrames[] = {
        "frame01.bmp", "frame02.bmp", "frame03.bmp", "frame04.bmp", "frame05.bmp", "frame06.bmp", "frame07.bmp",
        "frame08.bmp", "frame09.bmp", "frame10.bmp", "frame11.bmp", "frame12.bmp", "frame13.bmp", "frame14.bmp",
        "frame15.bmp", "frame16.bmp", "frame17.bmp", "frame18.bmp", "frame19.bmp", "frame20.bmp", "frame21.gif",
        "frame22.gif", "frame23.gif", "frame24.gif", "frame25.gif", "frame26.gif", "frame27.gif", "frame28.gif"};
    for (const char* name : kFrames) imgl.add(system(), name);
}

void Form1::ShowFrame(int n) { setPicture(&imgl.ListImage(n)); }

}  // namespace ql
