#pragma once

#include <QListWidget>

// The row of `list` that shows as selected, -1 for none. Qt's current row is
// not it: a list that gets the keyboard by Tab makes its first row current
// without marking it.
[[nodiscard]] int selectedRow(const QListWidget& list);

// A list box whose rows are chosen only by selecting them. Entering it with
// the keyboard leaves no row current, so the first arrow key selects the
// first row, where it can be seen.
class SelectionList : public QListWidget {
public:
    explicit SelectionList(QWidget* parent) : QListWidget(parent) {}

protected:
    void focusInEvent(QFocusEvent* e) override;
};
