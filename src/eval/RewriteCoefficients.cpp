// Rewriting the coefficient source in place after a fit: each number of the
// table becomes the new weight, in the column the old one stood in, and the
// comment line of each block that changed says it was tuned.
#include "eval/eval.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const size_t COMMENT_WIDTH = 100;
const char CONTINUATION[] = "//                ";

// The block comment "//   a..b   NAMES: how" wrapped as its neighbours are.
std::string BlockComment(const std::string& head, const std::string& text)
{
    std::string out, line = head;
    std::istringstream words(text);
    std::string w;
    bool first = true;
    while (words >> w) {
        if (!first && line.size() + 1 + w.size() > COMMENT_WIDTH) {
            out += line + "\n";
            line = CONTINUATION + w;
        } else {
            line += (first ? "" : " ") + w;
        }
        first = false;
    }
    return out + line + "\n";
}

// Splits "//   61..124  ROOK_SQUARE_TABLE: derived: ..." into its range and
// the text up to and including the names' colon; false for other lines.
bool BlockLine(const std::string& line, int* first, int* last, std::string* head)
{
    if (line.compare(0, 2, "//") != 0)
        return false;
    size_t i = 2;
    while (i < line.size() && line[i] == ' ')
        i++;
    char* end;
    long a = strtol(line.c_str() + i, &end, 10);
    if (end == line.c_str() + i || strncmp(end, "..", 2) != 0)
        return false;
    const char* after = end + 2;
    long b = strtol(after, &end, 10);
    if (end == after)
        return false;
    size_t colon = line.find(": ", end - line.c_str());
    if (colon == std::string::npos)
        return false;
    *first = (int)a;
    *last = (int)b;
    *head = line.substr(0, colon + 2);
    return true;
}

// Reads the table's numbers into *old and, with weights, writes the table's
// text with those numbers instead into *body; *open and *close: where the
// table's text begins and ends.
bool ScanTable(const std::string& source, const int* weights, std::vector<int>* old, std::string* body, size_t* open,
               size_t* close, std::string* err)
{
    *open = source.find("shipped[NUM_COEFFICIENTS] = {");
    if (*open == std::string::npos) {
        *err = "no table \"shipped[NUM_COEFFICIENTS] = {\"";
        return false;
    }
    *open = source.find('{', *open) + 1;
    size_t i = *open;
    for (;;) {
        if (i >= source.size()) {
            *err = "the table is not closed";
            return false;
        }
        char c = source[i];
        if (c == '}')
            break;
        if (source.compare(i, 2, "/*") == 0 || source.compare(i, 2, "//") == 0) {
            size_t end = source[i + 1] == '*' ? source.find("*/", i) : source.find('\n', i);
            if (end == std::string::npos) {
                *err = "a comment in the table is not closed";
                return false;
            }
            end += source[i + 1] == '*' ? 2 : 0;
            body->append(source, i, end - i);
            i = end;
        } else if (c == ' ' || c == '-' || isdigit((unsigned char)c)) {
            // A number with the blanks before it: the new one fills the same width.
            size_t start = i;
            while (i < source.size() && source[i] == ' ')
                i++;
            if (i < source.size() && (source[i] == '-' || isdigit((unsigned char)source[i]))) {
                size_t digits = i + (source[i] == '-');
                char* end;
                long v = strtol(source.c_str() + i, &end, 10);
                if (end == source.c_str() + digits) {
                    *err = "a lone '-' in the table";
                    return false;
                }
                if (old->size() == (size_t)NUM_COEFFICIENTS) {
                    *err = "the table has more than " + std::to_string(NUM_COEFFICIENTS) + " numbers";
                    return false;
                }
                std::string text = std::to_string(weights ? weights[old->size()] : 0);
                size_t width = end - (source.c_str() + start);
                *body += std::string(text.size() < width ? width - text.size() : 1, ' ') + text;
                old->push_back((int)v);
                i = end - source.c_str();
            } else {
                body->append(source, start, i - start);
            }
        } else {
            *body += c;
            i++;
        }
    }
    if (old->size() != (size_t)NUM_COEFFICIENTS) {
        *err = "the table has " + std::to_string(old->size()) + " numbers, not " + std::to_string(NUM_COEFFICIENTS);
        return false;
    }
    *close = i;
    return true;
}

}  // namespace

bool ReadCoefficients(const std::string& source, std::vector<int>* weights, std::string* err)
{
    std::string body;
    size_t open, close;
    weights->clear();
    return ScanTable(source, nullptr, weights, &body, &open, &close, err);
}

bool RewriteCoefficients(const std::string& source, const int* weights, const std::string& note, std::string* out,
                         std::string* err)
{
    std::vector<int> old;
    std::string body;
    size_t open, i;
    if (!ScanTable(source, weights, &old, &body, &open, &i, err))
        return false;

    // The header before the table: the comment of each changed block.
    std::string header, rest = source.substr(0, open);
    std::istringstream lines(rest);
    std::string line;
    bool skipping = false;
    while (std::getline(lines, line)) {
        int a, b;
        std::string head;
        if (skipping && line.compare(0, sizeof CONTINUATION - 1, CONTINUATION) == 0)
            continue;
        skipping = false;
        bool changed = false;
        if (BlockLine(line, &a, &b, &head) && a >= 0 && b < STAGE_COEFFICIENTS && a <= b) {
            for (int stage = 0; stage < 4; stage++)
                for (int k = a; k <= b; k++)
                    changed = changed || old[stage * STAGE_COEFFICIENTS + k] != weights[stage * STAGE_COEFFICIENTS + k];
        }
        if (changed) {
            header += BlockComment(head, "tuned: " + note);
            skipping = true;
        } else {
            header += line + "\n";
        }
    }
    if (!rest.empty() && rest.back() != '\n')
        header.pop_back();
    *out = header + body + source.substr(i);
    return true;
}
