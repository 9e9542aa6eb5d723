#pragma once
#include "core/Types.h"
#include "core/Words.h"

#include <cstdint>
#include <string>

namespace zeb {

// How the machine writes a number into a field: a cell's bare digits, or a
// register's six right-aligned characters.
enum class NumberForm : unsigned char { Cell, Register };

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
        knownIn_ = base;
        pendingBase_ = base;
        form_ = form;
        pending_ = true;
        blank_ = false;
    }

    // Whether the field still waits to write out this very number: no one
    // has looked at it since, so writing it again would change nothing.
    bool waitsToWrite(std::int32_t value, NumberBase base, NumberForm form) const {
        return pending_ && number_ == value && pendingBase_ == base && form_ == form;
    }

    // The text's reading in `base` by `read(text, base)`, which must depend on
    // nothing else; each field is always read by the same `read`. A reading
    // that succeeded is kept until the text changes.
    template <class Read> Conversion reading(NumberBase base, Read read) const {
        if (knownIn_ == base) return {number_, ConversionError::None};
        const Conversion result = read(text(), base);
        if (result.ok()) {
            number_ = result.value;
            knownIn_ = base;
        }
        return result;
    }

    // The number the text reads as in `base`, when that is already known.
    const std::int32_t* knownNumber(NumberBase base) const {
        return knownIn_ == base ? &number_ : nullptr;
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
    // The known number, and while `pending_` also the number the text is
    // still to be written from, in `pendingBase_` and `form_`.
    mutable std::int32_t number_ = 0;
    // The base `number_` is the reading in; kUnknown while there is none. A
    // plain value rather than an optional: every read of a number compares it.
    static constexpr NumberBase kUnknown = static_cast<NumberBase>(0);
    mutable NumberBase knownIn_ = kUnknown;
    NumberBase pendingBase_ = NumberBase::Decimal;
    NumberForm form_ = NumberForm::Cell;
    mutable bool pending_ = false;
    bool blank_ = true;
};

} // namespace zeb
