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
    void setNumber(std::int32_t value, NumberBase base, NumberForm form);

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

  private:
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
