#include "ui/common/number_box.h"

#include <QLineEdit>
#include <memory>

#include "core/base/number_text.h"

using namespace torsion;

namespace {

// Converts input in place; every converted character stays one character, so the
// cursor position stays valid.
void ToHalfWidth(QString& input) {
    const QByteArray utf8 = input.toUtf8();
    const std::string half = HalfWidthNumberText(std::string_view(utf8.constData(), utf8.size()));
    if (half.size() != static_cast<std::size_t>(utf8.size())) input = QString::fromStdString(half);
}

}  // namespace

QValidator::State HalfWidthNumberValidator::validate(QString& input, int&) const {
    ToHalfWidth(input);
    return Acceptable;
}

void MakeNumberBox(QLineEdit* box) {
    box->setValidator(new HalfWidthNumberValidator(box));
    // A text written by the program (not typed) is shown from its first character;
    // a typed text keeps the cursor where the user put it. A typed character that the
    // validator converts is written back as a whole new text, which clears the box's
    // modified flag: only textEdited, sent just before textChanged for every typed
    // change, tells the two apart.
    auto typed = std::make_shared<bool>(false);
    QObject::connect(box, &QLineEdit::textEdited, box, [typed] { *typed = true; });
    QObject::connect(box, &QLineEdit::textChanged, box, [box, typed] {
        if (!*typed) box->setCursorPosition(0);
        *typed = false;
    });
}

QValidator::State NumberSpinBox::validate(QString& input, int& pos) const {
    ToHalfWidth(input);
    return QSpinBox::validate(input, pos);
}
