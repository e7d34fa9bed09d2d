#include "platform/forms/LineEditWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QValidator>

namespace korvan::forms {

namespace {

// Converts whatever goes in (typed or pasted) to the edit's case; every
// text is acceptable.
class CaseValidator : public QValidator {
public:
    CaseValidator(LetterCase letterCase, QObject* parent) : QValidator(parent), case_(letterCase) {}
    State validate(QString& input, int&) const override {
        input = InCase(input, case_);
        return Acceptable;
    }

private:
    LetterCase case_;
};

// The style of one edit with its own password character.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(char c) : character_(static_cast<unsigned char>(c)) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return int(character_);
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    unsigned character_;
};

} // namespace

QString InCase(const QString& text, LetterCase letterCase) {
    switch (letterCase) {
    case LetterCase::Upper:
        return text.toUpper();
    case LetterCase::Lower:
        return text.toLower();
    default:
        return text;
    }
}

LineEditWidget::LineEditWidget() = default;

void LineEditWidget::SetLetterCase(LetterCase letterCase) {
    letterCase_ = letterCase;
    const QValidator* old = validator();
    setValidator(letterCase == LetterCase::Normal ? nullptr : new CaseValidator(letterCase, this));
    delete old;
}

void LineEditWidget::SetPasswordCharacter(char c) {
    if (c) {
        // The style is the edit's child; the edit reads the character from
        // it when the echo mode is set.
        QStyle* old = style()->parent() == this ? style() : nullptr;
        auto* own = new PasswordStyle(c);
        own->setParent(this);
        setStyle(own);
        delete old;
        setEchoMode(QLineEdit::Normal);
        setEchoMode(QLineEdit::Password);
    } else {
        setEchoMode(QLineEdit::Normal);
    }
}

void LineEditWidget::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        const bool paste = event->matches(QKeySequence::Paste);
        QString typed = paste ? QGuiApplication::clipboard()->text() : event->text();
        const bool printable = !typed.isEmpty() && (paste || typed.front().isPrint());
        if (printable && !paste && numbersOnly && !typed.front().isDigit()) {
            event->accept(); // refused, as the framework edit refuses it
            return;
        }
        if (printable && typedLimit > 0) {
            const qsizetype room = typedLimit - (text().size() - selectedText().size());
            if (typed.size() > room) {
                if (room > 0)
                    insert(InCase(typed.left(room), letterCase_));
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LineEditWidget::focusInEvent(QFocusEvent* event) {
    ShowSelection(true);
    const int start = selectionStart();
    const int length = int(selectedText().size());
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    // Entering the edit selects; a click places the caret instead, and the
    // window or a menu giving the focus back leaves things as they were.
    const Qt::FocusReason reason = event->reason();
    const bool entered = reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason &&
                         reason != Qt::PopupFocusReason;
    if (autoSelect && entered)
        selectAll();
    else
        Reselect(start, length, caret);
}

void LineEditWidget::focusOutEvent(QFocusEvent* event) {
    const int start = selectionStart();
    const int length = int(selectedText().size());
    const int caret = cursorPosition();
    QLineEdit::focusOutEvent(event);
    // The selection stays; hidden or shown while the focus is elsewhere.
    Reselect(start, length, caret);
    if (hideSelection && length > 0)
        ShowSelection(false);
}

void LineEditWidget::Reselect(int start, int length, int caret) {
    if (start < 0 || length <= 0) {
        deselect();
        setCursorPosition(caret);
    } else if (caret == start) {
        // The caret end stays where it was.
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
}

void LineEditWidget::ShowSelection(bool show) {
    if (show == selectionShown_)
        return;
    selectionShown_ = show;
    QPalette pal = palette();
    if (show) {
        const QPalette standard = QApplication::palette(this);
        pal.setColor(QPalette::Highlight, standard.color(QPalette::Highlight));
        pal.setColor(QPalette::HighlightedText, standard.color(QPalette::HighlightedText));
    } else {
        pal.setColor(QPalette::Highlight, pal.color(QPalette::Base));
        pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    }
    setPalette(pal);
}

} // namespace korvan::forms
