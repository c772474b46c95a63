// Breaking a line of text to fit the window: a message names a file or a
// rule and may be wider than the window is.
#include "render/render.h"

std::vector<std::string> WrapText(const std::string& text, int width, int (*measure)(const std::string&))
{
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            at++;
            continue;
        }
        size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(at, end - at);
        at = end;
        std::string longer = line.empty() ? word : line + " " + word;
        if (measure(longer) <= width) {
            line = longer;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        // A word alone too wide: as much of it on each line as fits, one
        // character at least, so that the text always comes to an end.
        line.clear();
        for (char c : word) {
            if (!line.empty() && measure(line + c) > width) {
                lines.push_back(line);
                line.clear();
            }
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
