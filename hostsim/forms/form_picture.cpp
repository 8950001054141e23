#include "hostsim/forms/form_picture.h"

#include <set>
#include <utility>
#include <vector>

#include "src/host/mazovia.h"

namespace klarvo::sim {
namespace {

class Canvas {
public:
    Canvas(std::size_t width, std::size_t height) : rows_(height, std::string(width, ' ')) {}

    // Puts Mazovia text at a cell; "~" marks underline the letter between them, the engine's
    // control bytes are left out, and nothing runs past the right edge.
    void Put(std::size_t column, std::size_t row, const std::string& text) {
        if (row >= rows_.size()) return;
        bool marked = false;
        for (const char c : text) {
            if (c == '~') {
                marked = !marked;
                continue;
            }
            if (c >= 0x01 && c <= 0x05) continue;
            if (column >= rows_[row].size()) return;
            if (marked) underlined_.insert({row, column});
            rows_[row][column++] = c;
        }
    }

    void Frame(std::size_t column, std::size_t row, std::size_t width, std::size_t height) {
        const std::string edge = "+" + std::string(width - 2, '-') + "+";
        Put(column, row, edge);
        for (std::size_t r = row + 1; r + 1 < row + height; ++r) {
            Put(column, r, "|");
            Put(column + width - 1, r, "|");
        }
        Put(column, row + height - 1, edge);
    }

    std::string Utf8() const {
        std::string out;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            for (std::size_t c = 0; c < rows_[r].size(); ++c) {
                out += mazovia::ToUtf8(std::string(1, rows_[r][c]));
                if (underlined_.count({r, c})) out += "\u0332";
            }
            out += "\n";
        }
        return out;
    }

private:
    std::vector<std::string> rows_;
    std::set<std::pair<std::size_t, std::size_t>> underlined_;
};

std::string Shown(const std::map<std::size_t, std::string>& shown, std::size_t index) {
    const auto found = shown.find(index);
    return found == shown.end() ? "" : found->second;
}

}  // namespace

std::string DrawForm(const FormLayout& form, const std::map<std::size_t, std::string>& shown) {
    Canvas canvas(form.width, form.height);
    canvas.Frame(0, 0, form.width, form.height);
    const std::string title = " " + form.title + " ";
    canvas.Put((form.width - VisibleCaption(title).size()) / 2, 0, title);
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlLayout& control = form.controls[i];
        switch (control.kind) {
            case host::kInputField: {
                std::string text = Shown(shown, i);
                text.resize(control.width > 2 ? control.width - 2u : 0u, ' ');
                canvas.Put(control.column, control.row, "[" + text + "]");
                break;
            }
            case host::kCheckBox:
                canvas.Put(control.column, control.row,
                           (Shown(shown, i) == "x" ? "[x] " : "[ ] ") + control.caption);
                break;
            case host::kBox:
                canvas.Frame(control.column, control.row, control.width, control.height);
                break;
            default:
                canvas.Put(control.column, control.row, control.caption);
        }
    }
    return canvas.Utf8();
}

}  // namespace klarvo::sim
