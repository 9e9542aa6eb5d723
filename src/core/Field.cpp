#include "core/Field.h"

namespace zeb {

void Field::setText(std::string text) {
    text_ = std::move(text);
    pending_ = false;
    blank_ = trimBlanks(text_).empty();
    knownIn_ = kUnknown;
}

void Field::writeOut() const {
    text_ = form_ == NumberForm::Cell ? numberText(number_, pendingBase_)
                                      : registerForm(number_, pendingBase_);
    pending_ = false;
}

} // namespace zeb
