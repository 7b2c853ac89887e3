// SPDX-License-Identifier: MIT
#include "wraplines.h"

#include "utf16.h"

#include <algorithm>

namespace platform {
namespace {

constexpr char16_t kBlank = u' ';
constexpr auto npos = std::u16string_view::npos;

class ParagraphWrapper
{
public:
    ParagraphWrapper(int width, const TextWidth &textWidth, std::vector<std::u16string> &lines)
        : width_(width), textWidth_(textWidth), lines_(lines)
    {}

    void wrap(std::u16string_view paragraph)
    {
        std::size_t position = paragraph.find_first_not_of(kBlank);
        // The blanks before the first word indent it; a paragraph of blanks alone is empty.
        line_ = position == npos ? u"" : paragraph.substr(0, position);
        holdsWord_ = false;
        std::size_t previousEnd = position;
        while (position != npos) {
            const std::size_t end = std::min(paragraph.find(kBlank, position), paragraph.size());
            const std::u16string_view word = paragraph.substr(position, end - position);
            const std::u16string_view blanks =
                paragraph.substr(previousEnd, position - previousEnd);
            if (!holdsWord_ || !append(blanks, word)) {
                if (holdsWord_)
                    breakLine();
                startWith(word);
            }
            previousEnd = end;
            position = paragraph.find_first_not_of(kBlank, end);
        }
        lines_.push_back(std::move(line_));
    }

private:
    bool fits(std::u16string_view text) const { return textWidth_(text) <= width_; }

    bool append(std::u16string_view blanks, std::u16string_view word)
    {
        std::u16string candidate = line_;
        candidate.append(blanks).append(word);
        if (!fits(candidate))
            return false;
        line_ = std::move(candidate);
        return true;
    }

    void breakLine()
    {
        lines_.push_back(std::move(line_));
        line_.clear();
    }

    // A word that opens a line, cut where it reaches the width for as long as it is too wide.
    // A character wider than the width still takes a line of its own.
    void startWith(std::u16string_view word)
    {
        while (!fits(line_ + std::u16string(word))) {
            std::size_t taken = characterLength(word);
            while (taken < word.size()) {
                const std::size_t next = taken + characterLength(word.substr(taken));
                if (!fits(line_ + std::u16string(word.substr(0, next))))
                    break;
                taken = next;
            }
            if (taken == word.size())
                break;
            line_.append(word.substr(0, taken));
            breakLine();
            word.remove_prefix(taken);
        }
        line_.append(word);
        holdsWord_ = true;
    }

    const int width_;
    const TextWidth &textWidth_;
    std::vector<std::u16string> &lines_;
    std::u16string line_;
    bool holdsWord_ = false;
};

} // namespace

std::vector<std::u16string_view> breakLines(std::u16string_view text)
{
    std::vector<std::u16string_view> lines;
    while (!text.empty()) {
        const std::size_t lineBreak = text.find_first_of(u"\r\n");
        lines.push_back(text.substr(0, lineBreak));
        if (lineBreak == npos)
            break;
        const bool crLf = text[lineBreak] == u'\r' && text.substr(lineBreak + 1).starts_with(u'\n');
        text.remove_prefix(lineBreak + (crLf ? 2 : 1));
        // A break that ends the text leaves an empty line after it.
        if (text.empty())
            lines.emplace_back();
    }
    return lines;
}

std::vector<std::u16string> wrapLines(std::u16string_view text, int width,
                                      const TextWidth &textWidth)
{
    std::vector<std::u16string> lines;
    ParagraphWrapper wrapper(width, textWidth, lines);
    for (const std::u16string_view paragraph : breakLines(text))
        wrapper.wrap(paragraph);
    return lines;
}

} // namespace platform
