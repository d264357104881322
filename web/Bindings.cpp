// What the page's JavaScript sees of the program: the calculator and nothing else.

#include "WebCalculator.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(spanwise) {
    emscripten::class_<CWebCalculator>("Calculator")
        .constructor<emscripten::val, bool>()
        .function("dialog", &CWebCalculator::GetDialog)
        .function("control", &CWebCalculator::GetControl)
        .function("takeChanges", &CWebCalculator::TakeChanges)
        .function("pick", &CWebCalculator::Pick)
        .function("click", &CWebCalculator::Click)
        .function("edit", &CWebCalculator::Edit)
        .function("systemMenu", &CWebCalculator::GetSystemMenu)
        .function("sysCommand", &CWebCalculator::SysCommand)
        .function("answerDialog", &CWebCalculator::AnswerDialog)
        .function("clipboardRefused", &CWebCalculator::ClipboardRefused);
}
