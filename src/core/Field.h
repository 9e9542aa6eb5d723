#pragma once
#include "core/Types.h"
#include "core/Words.h"

#include <cstdint>
#include <string>

namespace zeb {

// How the machine writes a number into a field: a cell's bare digits, or a
// register's six right-aligned characters.
enum class NumberForm { Cell, Register };

// One display field: its text, which is what the student sees and what files
// hold, and the number that text reads as in a base. The reading is worked
// out once per text and base; a number the machine writes is written out as
// text only when someone looks at it.
class Field {
  public:
    const std::string& text() const {
        if (pending_) writeOut();
        return text_;
    }
    // Empty, and only blanks: a written number is neither.
    bool empty() const { return !pending_ && text_.empty(); }
    bool blank() const { return !pending_ && blank_; }

    void setText(std::string text);
    void setNumber(std::int32_t value, NumberBase base, NumberForm form) {
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

    // The text's reading in `base` by `read(text, base)`, which must depend on
    // nothing else; each field is always read by the same `read`.
    template <class Read> const Conversion& reading(NumberBase base, Read read) const {
        if (!readingKnown_ || readingBase_ != base) {
            reading_ = read(text(), base);
            readingBase_ = base;
            readingKnown_ = true;
        }
        return reading_;
    }

    // The number the text reads as in `base`, when that reading is already
    // known and succeeded.
    const std::int32_t* knownNumber(NumberBase base) const {
        return readingKnown_ && readingBase_ == base && reading_.ok() ? &reading_.value : nullptr;
    }

  private:
    // Whether the text of `value` reads back as `value` in its own base: a
    // register's text is cut to six characters, and a negative number in
    // hexadecimal overflows when read.
    static bool readsBack(std::int32_t value, NumberBase base, NumberForm form) {
        if (base == NumberBase::Hexadecimal)
            return value >= 0 && (form == NumberForm::Cell || value <= 0xFFFFFF);
        return form == NumberForm::Cell || (value >= -99999 && value <= 99999);
    }
    void writeOut() const;

    mutable std::string text_;
    mutable bool pending_ = false;
    bool blank_ = true;
    std::int32_t number_ = 0;
    NumberBase numberBase_ = NumberBase::Decimal;
    NumberForm form_ = NumberForm::Cell;

    mutable Conversion reading_;
    mutable NumberBase readingBase_ = NumberBase::Decimal;
    mutable bool readingKnown_ = false;
};

} // namespace zeb
