#include "settings/choice_menu.h"

#include "core/mascot.h"

namespace {
constexpr QRgb kChoiceGround = qRgb(255, 255, 255);
constexpr QRgb kChoiceHover = qRgb(255, 150, 150); // the label under the pointer
} // namespace

void Sentaku_MouseDown(Mascot& /*m*/, int /*index*/) {
    // The action codes arrive with the menu.
}

void Sentaku_MouseMove(Mascot& m, int index) {
    if (index < 0 || index >= kChoiceLabels) {
        return;
    }
    for (LabelModel& choice : m.HanasuBox.Sentaku) {
        choice.background = QColor::fromRgb(kChoiceGround);
    }
    m.HanasuBox.Sentaku[static_cast<std::size_t>(index)].background = QColor::fromRgb(kChoiceHover);
}
