// SPDX-License-Identifier: MIT
#include "itemreader.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>
#include <tuple>

#include "words.h"

namespace peg {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char BLANK = ' ';
constexpr char QUOTE = '"';
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

// Where the first of a few bytes stands from pos on, or the end. A plain
// loop: std::string::find_first_of asks memchr once per byte, which a
// megabyte-long item turns into tens of milliseconds.
template <char... Stops>
std::size_t FindAny(const std::string &s, std::size_t pos)
{
    const char *p = s.data() + pos, *end = s.data() + s.size();
    while (p < end && ((*p != Stops) && ...))
        ++p;
    return std::size_t(p - s.data());
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Optional sign, optional decimal point, at least one digit; nothing else.
bool IsDecimal(const std::string &s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            digits = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::string ItemValue::AsText() const
{
    if (!isNumber)
        return text;
    if (number == 0)
        return "0";  // also for -0
    char buf[400];
    // Fixed notation: a file name or caption wants 1000000, not 1e+06.
    const auto res = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

ItemReader::ItemReader(std::string content) : data_(std::move(content))
{
    // Windows editors start UTF-8 files with a byte-order mark: not part of the first item.
    if (data_.rfind(UTF8_BOM, 0) == 0)
        pos_ = UTF8_BOM.size();
}

int ItemReader::line() const
{
    return line_;
}

int ItemReader::itemsRead() const
{
    return items_;
}

bool ItemReader::atLineEnd() const
{
    return !atEnd() && (data_[pos_] == CR || data_[pos_] == LF);
}

void ItemReader::skipLineEnd()
{
    if (data_[pos_] == CR && pos_ + 1 < data_.size() && data_[pos_ + 1] == LF)
        ++pos_;
    ++pos_;
    ++line_;
}

void ItemReader::advance()
{
    if (atLineEnd())
        skipLineEnd();
    else
        ++pos_;
}

void ItemReader::skipBlanksAndLineEnds()
{
    while (!atEnd() && (data_[pos_] == BLANK || atLineEnd()))
        advance();
}

void ItemReader::startItem()
{
    skipBlanksAndLineEnds();
    itemLine_ = line_;
    if (atEnd()) {
        // The line the file ends on, not the empty one after its last line end.
        const bool endsWithLineEnd = !data_.empty() && (data_.back() == CR || data_.back() == LF);
        const int lastLine = endsWithLineEnd && line_ > 1 ? line_ - 1 : line_;
        throw ItemError(ItemError::Kind::EndOfFile, lastLine, items_ + 1, {},
                        FileEndsBeforeItemText(lastLine, items_ + 1));
    }
}

void ItemReader::finishItem()
{
    pos_ = FindAny<',', CR, LF>(data_, pos_);
    if (!atEnd())
        advance();
}

std::string ItemReader::takeText()
{
    std::string text;
    if (data_[pos_] == QUOTE) {
        // Runs to the closing quote, across commas and line ends alike;
        // an unclosed quote runs to the end of the file.
        advance();
        const std::size_t begin = pos_;
        const std::size_t end = std::min(data_.find(QUOTE, begin), data_.size());
        while (pos_ < end) {
            // Line ends are counted as they are passed; the rest is skipped whole.
            const std::size_t lineEnd = std::min(FindAny<CR, LF>(data_, pos_), end);
            pos_ = lineEnd;
            if (pos_ < end)
                advance();
        }
        pos_ = end;
        text = data_.substr(begin, end - begin);
        finishItem();  // drops the quote and whatever trails it
    } else {
        const std::size_t end = FindAny<',', CR, LF>(data_, pos_);
        text = data_.substr(pos_, end - pos_);
        pos_ = end;
        if (!atEnd())
            advance();
        const auto last = text.find_last_not_of(BLANK);
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
    ++items_;
    return text;
}

void ItemReader::fail(ItemError::Kind kind, const std::string &itemText, const std::string &what) const
{
    throw ItemError(kind, itemLine_, items_ + 1, itemText, ItemPlace(itemLine_, items_ + 1) + what);
}

std::string ItemReader::ReadText()
{
    startItem();
    return takeText();
}

ItemValue ItemReader::PeekValue()
{
    const auto state = std::tuple(pos_, line_, items_, itemLine_);
    ItemValue value = ReadValue();
    std::tie(pos_, line_, items_, itemLine_) = state;
    return value;
}

std::int16_t ItemReader::ReadInt16()
{
    startItem();
    const std::size_t begin = pos_;
    pos_ = FindAny<BLANK, ',', CR, LF>(data_, pos_);
    const std::string raw = data_.substr(begin, pos_ - begin);

    if (!atEnd() && data_[pos_] == BLANK) {
        // The blank stays for the next read, unless only blanks stand before
        // a comma: "4 , 5" is the two items 4 and 5, not 4, nothing and 5.
        std::size_t p = pos_;
        while (p < data_.size() && data_[p] == BLANK)
            ++p;
        if (p < data_.size() && data_[p] == ',')
            pos_ = p + 1;
    } else if (!atEnd()) {
        advance();
    }

    std::size_t i = 0;
    const bool negative = !raw.empty() && raw[0] == '-';
    if (!raw.empty() && (raw[0] == '-' || raw[0] == '+'))
        i = 1;
    if (i == raw.size())
        fail(ItemError::Kind::NotANumber, raw, NotAWholeNumberText(raw));
    long value = 0;
    for (; i < raw.size(); ++i) {
        if (!IsDigit(raw[i]))
            fail(ItemError::Kind::NotANumber, raw, NotAWholeNumberText(raw));
        if (value <= 32768)  // beyond this it overflows anyway; keeps long from overflowing
            value = value * 10 + (raw[i] - '0');
    }
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        fail(ItemError::Kind::Overflow, raw, NumberOutOfRangeText(raw));
    ++items_;
    return static_cast<std::int16_t>(value);
}

ItemValue ItemReader::ReadValue()
{
    startItem();
    const bool quoted = data_[pos_] == QUOTE;
    ItemValue v;
    v.text = takeText();
    if (quoted || !IsDecimal(v.text))
        return v;
    // from_chars takes no plus sign, and unlike strtod ignores the locale.
    const char *first = v.text.data() + (v.text[0] == '+' ? 1 : 0);
    const char *last = v.text.data() + v.text.size();
    double number = 0;
    const auto res = std::from_chars(first, last, number, std::chars_format::fixed);
    if (res.ec == std::errc() && res.ptr == last) {
        v.isNumber = true;
        v.number = number;
    }
    return v;
}

} // namespace peg
