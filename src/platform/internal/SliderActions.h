// The scroll code a bar reports for a Qt slider action, as the system's bar
// reports it: a drag reports every move as SB_THUMBTRACK; -1 for an action
// the bar does not report.
#pragma once

#include "platform/ScrollCodes.h"

#include <QAbstractSlider>

inline int ScrollCodeOfSliderAction(int Action) {
  switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
  }
}
