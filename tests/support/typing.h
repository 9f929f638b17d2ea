// Typing as people type: one key event per character, and for every character a key
// cannot give (full-width digits, kana, kanji, symbols) the input method's commit of
// that one character, as the Japanese input method sends it after each conversion.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

// The input method's commit of text into box (the widget with the focus on screen).
inline void CommitText(QWidget* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// Sends one event per character of text to box, at its cursor (a character outside
// the basic plane is one commit of its two halves).
inline void TypeKeys(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x20 && u < 0x7F) {
            QTest::keyClick(box, static_cast<char>(u));
        } else if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            CommitText(box, text.mid(i, 2));
            ++i;
        } else {
            CommitText(box, QString(text[i]));
        }
    }
}

// Replaces the whole text of box by typing text character by character; an empty text
// is a Delete over the selection. Afterwards the cursor must stand after the last typed
// character and the box must hold one character for each typed one (a number box only
// turns full-width forms into half-width ones); both are checked here.
inline void TypeOver(QLineEdit* box, const QString& text) {
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        TypeKeys(box, text);
    }
    const int room = box->maxLength();
    if (!box->isReadOnly() && text.size() <= room && !text.contains(QChar(u'\n')) &&
        !text.contains(QChar(u'\r'))) {
        EXPECT_EQ(box->text().size(), text.size())
            << "typed '" << text.toStdString() << "' shows '" << box->text().toStdString() << "'";
        EXPECT_EQ(box->cursorPosition(), box->text().size())
            << "cursor after typing '" << text.toStdString() << "'";
    }
}
