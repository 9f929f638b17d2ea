// Controls made from a table: one row per control with its type, the name of its
// parent, its name, its place and size and its caption, so that a window's layout reads
// as a list. Each window gives the function that makes a control of each of its types;
// the controls are then found by name for the members that keep them.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <map>
#include <string>
#include <utility>

template <typename Type>
struct ControlRow {
    Type type;
    const char* parent;   // the name of a control of an earlier row; "" for the window's area
    const char* name;     // the objectName
    QRect rect;           // place and size in the parent, as the window's types read it
    const char* caption;  // its text, or a box's first text
};

class ControlTable {
  public:
    // Makes the controls of rows in order: make(row, parent) makes one in the control
    // named row.parent (or in area), and it gets row.name as its objectName.
    template <typename Type, std::size_t N, typename Make>
    ControlTable(QWidget* area, const ControlRow<Type> (&rows)[N], Make make) {
        for (const ControlRow<Type>& row : rows) {
            QWidget* control = make(row, *row.parent != '\0' ? byName_.at(row.parent) : area);
            control->setObjectName(QString::fromLatin1(row.name));
            byName_[row.name] = control;
        }
    }
    // Points each member at the control of its name, given in pairs (member, name); a
    // control of another type leaves the member null.
    template <typename W, typename... More>
    void Take(W*& member, const char* name, More&&... more) const {
        member = dynamic_cast<W*>(byName_.at(name));
        if constexpr (sizeof...(more) > 0) Take(std::forward<More>(more)...);
    }

  private:
    std::map<std::string, QWidget*> byName_;
};
