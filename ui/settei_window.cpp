#include "ui/settei_window.h"
#include "ui/desktop_guest.h"

#include "ui/label_button.h"
#include "ui/selection_list.h"

#include "ui/shell_units.h"

#include "core/dragging.h"
#include "core/mascot.h"
#include "settings/settei.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <functional>

namespace {

constexpr int kCaptionPoints = 9;

// Place and visibility, the part every control shares.
template <typename Model> void place(QWidget* widget, const Model& now, const Model* before) {
    if (before == nullptr || before->geometry != now.geometry) {
        widget->setGeometry(toPixels(now.geometry));
    }
    if (before == nullptr || before->visible != now.visible) {
        widget->setVisible(now.visible);
    }
}

void applyLabel(QLabel* widget, const LabelModel& now, const LabelModel* before) {
    if (before != nullptr && *before == now) {
        return;
    }
    if (before == nullptr || before->caption != now.caption) {
        widget->setText(now.caption);
    }
    if (before == nullptr || before->background != now.background) {
        // Without a colour of its own a label stands on the panel's ground.
        widget->setAutoFillBackground(now.background.isValid());
        if (now.background.isValid()) {
            QPalette p = widget->palette();
            p.setColor(QPalette::Window, now.background);
            widget->setPalette(p);
        }
    }
    place(widget, now, before);
}

// A box's own ground, or the system's when it has none.
void applyGround(QWidget* box, const TextBoxModel& now, const TextBoxModel* before) {
    if (before != nullptr && before->background == now.background) {
        return;
    }
    QPalette p = box->palette();
    p.setColor(QPalette::Base, now.background.isValid()
                                   ? now.background
                                   : QApplication::palette(box).color(QPalette::Base));
    box->setPalette(p);
}

void applyLineEdit(QLineEdit* edit, const TextBoxModel& now, const TextBoxModel* before) {
    if (before != nullptr && *before == now) {
        return;
    }
    applyGround(edit, now, before);
    // Typing already put the text there; setting it again would move the caret.
    if (edit->text() != now.text) {
        edit->setText(now.text);
    }
    place(edit, now, before);
}

void applyBar(QScrollBar* bar, const ScrollBarModel& now, const ScrollBarModel* before) {
    if (before != nullptr && *before == now) {
        return;
    }
    const QSignalBlocker quiet(bar);
    if (bar->minimum() != now.min || bar->maximum() != now.max) {
        bar->setRange(now.min, now.max);
    }
    if (bar->value() != now.value) {
        bar->setValue(now.value);
    }
    place(bar, now, before);
}

void applyCheck(QCheckBox* box, const CheckBoxModel& now, const CheckBoxModel* before) {
    if (before != nullptr && *before == now) {
        return;
    }
    if (before == nullptr || before->caption != now.caption) {
        box->setText(now.caption);
    }
    const QSignalBlocker quiet(box);
    if (box->isChecked() != (now.value != 0)) {
        box->setChecked(now.value != 0);
    }
    place(box, now, before);
}

void applyCombo(QComboBox* combo, const QStringList& rows, const DropDownModel& now,
                const QStringList* rowsBefore, const DropDownModel* before) {
    const QSignalBlocker quiet(combo);
    if (rowsBefore == nullptr || *rowsBefore != rows) {
        combo->clear();
        combo->addItems(rows);
    }
    if (combo->currentIndex() != now.ListIndex) {
        combo->setCurrentIndex(now.ListIndex);
    }
    place(combo, now, before);
}

void applyList(QListWidget* list, const ListBoxModel& now, const ListBoxModel* before) {
    if (before != nullptr && *before == now) {
        return;
    }
    const QSignalBlocker quiet(list);
    if (before == nullptr || before->rows != now.rows) {
        list->clear();
        list->addItems(now.rows);
    }
    if (selectedRow(*list) != now.ListIndex) {
        list->setCurrentRow(now.ListIndex);
    }
    place(list, now, before);
}

} // namespace

// A box two lines high for one long value (an address, a program path):
// it wraps what does not fit, and takes no line breaks, neither typed nor
// pasted.
class SetteiWindow::TwoLineBox : public QPlainTextEdit {
public:
    explicit TwoLineBox(QWidget* parent) : QPlainTextEdit(parent) {
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setTabChangesFocus(true);
        document()->setDocumentMargin(1);
    }

    void setValue(const QString& text) {
        const QSignalBlocker quiet(this);
        setPlainText(text);
        moveCursor(QTextCursor::End);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            e->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
    void insertFromMimeData(const QMimeData* source) override {
        QString text = source->text();
        text.remove(u'\r');
        text.remove(u'\n');
        insertPlainText(text);
    }
};

SetteiWindow::SetteiWindow(Mascot& m, QWidget* parent) : QWidget(parent), m_(m) {
    makeDesktopGuest(*this, GuestRole::Panel);
    setWindowTitle(QStringLiteral("設定"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    build();
}

void SetteiWindow::build() {
    const QFont caption = minchoFontPoints(kCaptionPoints);
    // Labels first: where one reaches a pixel into the control below it, the
    // control lies on top.
    for (int i = 0; i < SetteiLabel::Count; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("SetteiMoji%1").arg(i));
        label->setFont(caption);
        labels_[static_cast<std::size_t>(i)] = label;
    }
    labels_[SetteiLabel::Title]->setFont(minchoFontPoints(kSetteiTitlePoints));

    auto lineEdit = [this, &caption](const char* name, SetteiBox box) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFont(caption);
        edit->setTextMargins(0, 0, 0, 0);
        connect(edit, &QLineEdit::textEdited, this,
                [this, box](const QString& text) { edited(box, text); });
        watch(edit);
        return edit;
    };
    auto twoLines = [this, &caption](const char* name, SetteiBox box) {
        auto* edit = new TwoLineBox(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFont(caption);
        connect(edit, &QPlainTextEdit::textChanged, this,
                [this, edit, box] { edited(box, edit->toPlainText()); });
        watch(edit);
        return edit;
    };
    setteiText_ = lineEdit("SetteiText", SetteiBox::SetteiText);

    auto bar = [this](const char* name, void (*change)(Mascot&, int)) {
        auto* b = new QScrollBar(Qt::Horizontal, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setSingleStep(1);
        b->setPageStep(1);
        connect(b, &QScrollBar::valueChanged, this, [this, change](int value) {
            change(m_, value);
            sync();
        });
        watch(b);
        return b;
    };
    hscroll1_ = bar("HScroll1", HScroll1_Change);

    for (int i : {SetteiCheck::Sound, SetteiCheck::TimeSignal, SetteiCheck::Chatter}) {
        checks_[static_cast<std::size_t>(i)] = new QCheckBox(this);
    }
    hscroll2_ = bar("HScroll2", HScroll2_Change);
    for (int i : {SetteiCheck::NormalTalk, SetteiCheck::FeedTalk}) {
        checks_[static_cast<std::size_t>(i)] = new QCheckBox(this);
    }
    for (int i = 0; i < SetteiCheck::Count; ++i) {
        QCheckBox* box = checks_[static_cast<std::size_t>(i)];
        if (box == nullptr) {
            continue;
        }
        box->setObjectName(QStringLiteral("STCheck%1").arg(i));
        box->setFont(caption);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            STCheck_Click(m_, i, on ? 1 : 0);
            sync();
        });
        watch(box);
    }

    auto combo = [this, &caption](const char* name, void (*click)(Mascot&, int)) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setFont(caption);
        connect(c, &QComboBox::currentIndexChanged, this, [this, click](int index) {
            click(m_, index);
            sync();
        });
        watch(c);
        return c;
    };
    combo3_ = combo("Combo3", Combo3_Click);
    combo1_ = combo("Combo1", Combo1_Click);

    list1_ = new SelectionList(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(caption);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only a row the user selected, and that shows so, chooses a feed.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        List1_Click(m_, selectedRow(*list1_));
        sync();
    });
    watch(list1_);

    text1_ = lineEdit("Text1", SetteiBox::Text1);
    text2_ = twoLines("Text2", SetteiBox::Text2);
    text3_ = twoLines("Text3", SetteiBox::Text3);

    for (int i = 0; i < SetteiButton::Count; ++i) {
        auto* button = new LabelButton(
            this, [this, i](Qt::MouseButton b) { pressed(i, b); }, [this, i] { hovered(i); });
        button->setObjectName(QStringLiteral("STButton%1").arg(i));
        button->setFont(caption);
        buttons_[static_cast<std::size_t>(i)] = button;
        watch(button);
    }
}

void SetteiWindow::watch(QWidget* child) {
    child->installEventFilter(this);
    // A list box and a multi-line box take the mouse on their viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(child)) {
        area->viewport()->installEventFilter(this);
    }
}

void SetteiWindow::takeKeyboard() {
    if (!isActiveWindow()) {
        activateWindow();
    }
}

bool SetteiWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        takeKeyboard();
    }
    return QWidget::eventFilter(watched, event);
}

void SetteiWindow::mousePressEvent(QMouseEvent* event) {
    takeKeyboard();
    QWidget::mousePressEvent(event);
}

void SetteiWindow::applyBoxes(const SetteiModel& s, const SetteiModel* before) {
    applyLineEdit(setteiText_, s.SetteiText, before ? &before->SetteiText : nullptr);
    applyLineEdit(text1_, s.Text1, before ? &before->Text1 : nullptr);
    const std::pair<TwoLineBox*, const TextBoxModel SetteiModel::*> twoLines[] = {
        {text2_, &SetteiModel::Text2}, {text3_, &SetteiModel::Text3}};
    for (const auto& [widget, member] : twoLines) {
        const TextBoxModel& now = s.*member;
        const TextBoxModel* was = before ? &(before->*member) : nullptr;
        if (was != nullptr && *was == now) {
            continue;
        }
        if (widget->toPlainText() != now.text) {
            widget->setValue(now.text);
        }
        applyGround(widget, now, was);
        place(widget, now, was);
    }
}

void SetteiWindow::applyChoices(const SetteiModel& s, const SetteiModel* before) {
    applyBar(hscroll1_, s.HScroll1, before ? &before->HScroll1 : nullptr);
    applyBar(hscroll2_, s.HScroll2, before ? &before->HScroll2 : nullptr);
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        if (checks_[i] != nullptr) {
            applyCheck(checks_[i], s.STCheck[i], before ? &before->STCheck[i] : nullptr);
        }
    }
    applyCombo(combo1_, s.Combo1, s.Combo1Box, before ? &before->Combo1 : nullptr,
               before ? &before->Combo1Box : nullptr);
    applyCombo(combo3_, s.Combo3, s.Combo3Box, before ? &before->Combo3 : nullptr,
               before ? &before->Combo3Box : nullptr);
    applyList(list1_, s.List1, before ? &before->List1 : nullptr);
}

void SetteiWindow::sync() {
    const SetteiModel& s = m_.Settei;
    if (applied_ && *applied_ == s) {
        return;
    }
    const SetteiModel* before = applied_ ? &*applied_ : nullptr;
    if (before == nullptr || before->geometry != s.geometry) {
        setGeometry(toPixels(s.geometry));
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        applyLabel(labels_[i], s.SetteiMoji[i], before ? &before->SetteiMoji[i] : nullptr);
    }
    applyBoxes(s, before);
    applyChoices(s, before);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        applyLabel(buttons_[i], s.STButton[i], before ? &before->STButton[i] : nullptr);
    }
    const bool wasVisible = before != nullptr && before->visible;
    // Remember first: showing may deliver events that sync again.
    applied_ = s;
    if (s.visible && !wasVisible) {
        show();
        raise();
        // The boxes are typed into: the panel takes the keyboard when it opens.
        activateWindow();
    } else if (!s.visible && (wasVisible || before == nullptr)) {
        hide();
    }
}

void SetteiWindow::pressed(int index, Qt::MouseButton button) {
    STButton_MouseDown(m_, index, mouseButtonCode(button));
    sync();
}

void SetteiWindow::hovered(int index) {
    STButton_MouseMove(m_, index);
    sync();
}

void SetteiWindow::edited(SetteiBox box, const QString& text) {
    SetteiText_Change(m_, box, text);
    sync();
}
