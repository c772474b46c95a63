// EPD lines of test suites: the four position fields, then operations
// ("bm Nf3 Qd4;", "am e4;", "id \"WAC.001\";", "hmvc 0;", "fmvn 1;")
// separated by semicolons, strings in double quotes.
#include "record/record.h"

#include <cctype>
#include <sstream>

namespace {

// The operations after the position: opcode, then operands up to ';'.
bool ReadOperations(const std::string& text, EPD_LINE_T* out, std::string* err)
{
    size_t i = 0, n = text.size();
    while (i < n) {
        while (i < n && (isspace((unsigned char)text[i]) || text[i] == ';'))
            i++;
        if (i >= n)
            break;
        size_t start = i;
        while (i < n && !isspace((unsigned char)text[i]) && text[i] != ';')
            i++;
        std::string opcode = text.substr(start, i - start);
        std::vector<std::string> operands;
        for (;;) {
            while (i < n && isspace((unsigned char)text[i]))
                i++;
            if (i >= n || text[i] == ';')
                break;
            std::string operand;
            if (text[i] == '"') {
                size_t close = text.find('"', i + 1);
                if (close == std::string::npos) {
                    *err = "a string without its closing quote";
                    return false;
                }
                operand = text.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                size_t s = i;
                while (i < n && !isspace((unsigned char)text[i]) && text[i] != ';')
                    i++;
                operand = text.substr(s, i - s);
            }
            operands.push_back(operand);
        }
        if (i < n && text[i] == ';')
            i++;
        if (opcode == "bm")
            out->best.insert(out->best.end(), operands.begin(), operands.end());
        else if (opcode == "am")
            out->avoid.insert(out->avoid.end(), operands.begin(), operands.end());
        else if (opcode == "id" && !operands.empty())
            out->id = operands[0];
        else if (opcode == "hmvc" && !operands.empty())
            out->halfmove = operands[0];
        else if (opcode == "fmvn" && !operands.empty())
            out->fullmove = operands[0];
    }
    return true;
}

}  // namespace

bool ParseEpdLine(const std::string& line, EPD_LINE_T* out, std::string* err)
{
    *out = EPD_LINE_T();
    if (line.size() > 4096) {
        *err = "line too long";
        return false;
    }
    std::istringstream in(line);
    std::string fields[4];
    for (std::string& f : fields)
        if (!(in >> f)) {
            *err = "fewer than four position fields";
            return false;
        }
    std::string rest;
    std::getline(in, rest, '\0');
    if (!ReadOperations(rest, out, err))
        return false;
    for (const std::string& counter : {out->halfmove, out->fullmove})
        for (char c : counter)
            if (!isdigit((unsigned char)c)) {
                *err = "hmvc and fmvn want whole numbers";
                return false;
            }
    out->fen = fields[0] + " " + fields[1] + " " + fields[2] + " " + fields[3] + " " +
               (out->halfmove.empty() ? "0" : out->halfmove) + " " + (out->fullmove.empty() ? "1" : out->fullmove);
    return true;
}
