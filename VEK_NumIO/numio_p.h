// TNumIO's private data and the steps of its change check.
#pragma once

#include "VEK_NumIO.h"

namespace vek {

namespace numio {

// The settings Assign copies from another field.
struct TSettings {
    TInFormat inFormat = itDynamic;
    bool beep = false;
    double minimum = 0;
    double maximum = 0;
    TDecPSep decPSep = dsSystemDefault;
};

// Sends the accessibility events of the field's changes (numio_accessible.cpp).
void AnnounceChanges(TNumIO* field);

} // namespace numio

struct TNumIO::Private : numio::TSettings {
    explicit Private(TNumIO* owner) : q(owner) {}

    TNumIO* const q;
    int fixPDecPl = 2;
    // The last text that was accepted: what a refused change falls back to.
    QString oldText;
    // The Value valueChanged reported last.
    double notifiedValue = 0;

    // Clears the last accepted text and checks the current one under changed rules.
    void Recheck();
    // The check of Change(): rewrites or refuses the text, fires OnChange when accepted.
    void Check();
    bool ConvertForCheck(const QString& text, double& value) const;
    void MoveCaretForFixPoint(const QString& text);
    void RewriteFixPoint(double value);
    bool InRange(double value) const;
    void Refuse();
    // Emits valueChanged when Value differs from the one reported last.
    void NotifyValue();
};

} // namespace vek
