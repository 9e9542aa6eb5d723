#include "core/Field.h"

namespace zeb {

void Field::setText(std::string text) {
    text_ = std::move(text);
    pending_ = false;
    blank_ = trimBlanks(text_).empty();
    readingKnown_ = false;
}

void Field::writeOut() const {
    text_ = form_ == NumberForm::Cell ? numberText(number_, numberBase_)
                                      : registerForm(number_, numberBase_);
    pending_ = false;
}

} // namespace zeb
