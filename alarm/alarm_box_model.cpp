#include "alarm/alarm_box_model.h"

namespace {

LabelModel button(const QString& caption, TwipsRect geometry) {
    return shownLabel(caption, geometry, QColor(kAlaonPlain));
}

} // namespace

AlarmBoxModel::AlarmBoxModel() {
    geometry = {0, 0, kAlarmBoxWidth, kAlarmBoxHeight};
    visible = false;

    // The title and the separator stand on the panel's own ground.
    alalabel[0] = shownLabel(QStringLiteral("アラーム"), {120, 120, 1455, 255}, QColor());
    alalabel[1] = shownLabel(QStringLiteral(":"), {735, 765, 255, 615}, QColor());

    AlaText[AlaBox::Hours] = {QStringLiteral("00"), {120, 720, 615, 570}, true};
    AlaText[AlaBox::Minutes] = {QStringLiteral("00"), {960, 720, 615, 570}, true};

    alaon[Alaon::On] = button(QStringLiteral("ON"), {120, 1680, 735, 255});
    alaon[Alaon::Off] = button(QStringLiteral("OFF"), {840, 1680, 735, 255});
    alaon[Alaon::HoursDown] = button(QStringLiteral("▲"), {120, 480, 615, 225});
    alaon[Alaon::HoursUp] = button(QStringLiteral("▼"), {120, 1305, 615, 225});
    alaon[Alaon::MinutesDown] = button(QStringLiteral("▲"), {960, 480, 615, 225});
    alaon[Alaon::MinutesUp] = button(QStringLiteral("▼"), {960, 1305, 615, 225});
    alaon[Alaon::Ok] = button(QStringLiteral("OK"), {120, 2040, 1455, 255});
}
