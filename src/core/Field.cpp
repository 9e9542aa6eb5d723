#include "core/Field.h"

namespace zeb {

namespace {

// Whether the text of `value` reads back as `value` in its own base: a
// register's text is cut to six characters, and a negative number in
// hexadecimal overflows when read.
bool readsBack(std::int32_t value, NumberBase base, NumberForm form) {
    if (base == NumberBase::Hexadecimal) {
        if (value < 0) return false;
        return form == NumberForm::Cell || value <= 0xFFFFFF;
    }
    return form == NumberForm::Cell || (value >= -99999 && value <= 99999);
}

} // namespace

void Field::setText(std::string text) {
    text_ = std::move(text);
    pending_ = false;
    blank_ = trimBlanks(text_).empty();
    readingKnown_ = false;
}

void Field::setNumber(std::int32_t value, NumberBase base, NumberForm form) {
    if (!readsBack(value, base, form)) {
        setText(form == NumberForm::Cell ? numberText(value, base) : registerForm(value, base));
        return;
    }
    number_ = value;
    numberBase_ = base;
    form_ = form;
    pending_ = true;
    blank_ = false;
    reading_ = {value, ConversionError::None};
    readingBase_ = base;
    readingKnown_ = true;
}

void Field::writeOut() const {
    text_ = form_ == NumberForm::Cell ? numberText(number_, numberBase_)
                                      : registerForm(number_, numberBase_);
    pending_ = false;
}

} // namespace zeb
