#include "ui/selection_list.h"

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

void SelectionList::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    if (selectedItems().isEmpty()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}
