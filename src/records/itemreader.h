// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace peg {

// A failed read, with where it happened so a person can find the fault.
class ItemError : public std::runtime_error {
public:
    enum class Kind { EndOfFile, Overflow, NotANumber };
    ItemError(Kind kind, int line, int item, std::string itemText, const std::string &what)
        : std::runtime_error(what), kind(kind), line(line), item(item), itemText(std::move(itemText)) {}
    Kind kind;
    int line;              // 1-based line where the failing item starts (or where the file ended)
    int item;              // 1-based number of the item within the file
    std::string itemText;  // the raw item, empty at end of file
};

// The result of ReadValue: a number when the unquoted item reads as one, else text.
struct ItemValue {
    bool isNumber = false;
    double number = 0;
    std::string text;     // the item as read (quotes removed)
    std::string AsText() const;  // a number in its decimal form, else the text
};

// Reads comma- or line-delimited items from the whole content of a text file.
class ItemReader {
public:
    explicit ItemReader(std::string content);

    std::string ReadText();
    std::int16_t ReadInt16();
    ItemValue ReadValue();
    // The next item as ReadValue gives it, left unread.
    ItemValue PeekValue();

    int line() const;        // line of the next unread character, 1-based
    int itemsRead() const;
    int lastItemLine() const { return itemLine_; }  // where the last item read started

private:
    bool atEnd() const { return pos_ >= data_.size(); }
    bool atLineEnd() const;
    void skipLineEnd();          // one CR LF, lone CR or lone LF
    void advance();              // one character, counting line ends
    void skipBlanksAndLineEnds();
    void startItem();            // skips to the item, or throws at end of file
    void finishItem();           // up to and past the next comma or line end
    std::string takeText();      // quoted or unquoted, delimiter consumed
    [[noreturn]] void fail(ItemError::Kind kind, const std::string &itemText, const std::string &what) const;

    std::string data_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int items_ = 0;
    int itemLine_ = 1;  // where the item being read starts
};

} // namespace peg
