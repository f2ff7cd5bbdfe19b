#include "speech/jikoshoukai.h"

#include "core/mascot.h"

void Jikoshoukai(Mascot& m) {
    // Until the introduction's lines exist, a first run ends at once and
    // creates the data file.
    if (m.st.phase >= Phase::IntroductionFirst && m.st.phase <= Phase::IntroductionLast) {
        m.st.phase = Phase::IntroductionDone;
    }
}
