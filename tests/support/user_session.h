// A long session of a user over the whole window: the configurator walk, typing into every
// calculator box (good and bad values, gases chosen), and every document button. Warnings
// are recorded and documents are not handed to a viewer.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/literature/document_buttons.h"
#include "app/warning.h"
#include "platform/document_opener.h"
#include "tests/support/configurator_walk.h"

namespace tarvek::testing {

struct SessionCounts {
    long clicks = 0;
    int warnings = 0;
    int documentsHandedOver = 0;
};

inline SessionCounts runUserSession(
    frmTarvekProducts& window, const std::function<void(const Click&)>& afterClick = [](const Click&) {}) {
    SessionCounts counts;
    const WarningFunction previousWarning =
        replaceWarningFunction([&](QWidget*, const QString&, const QString&) { ++counts.warnings; });
    const DocumentOpener previousOpener = replaceDocumentOpener([&](const QString&) {
        ++counts.documentsHandedOver;
        return true;
    });

    ConfiguratorWalk walk(window);
    walk.afterClick = afterClick;
    walk.run();
    counts.clicks = walk.clicks();

    auto* gases = window.findChild<QComboBox*>(QStringLiteral("lstGasName"));
    const char* const boxes[] = {"txtTemperature", "txtInletPressure", "txtOutletPressure", "txtCv"};
    const char* const typed[] = {"70", "-14.7", "100", "-15", "1e400", "abc", "0", "12.5", "-", "."};
    for (int gas = -1; gas < std::min(gases->count(), 5); ++gas) {
        if (gas >= 0) {
            gases->setCurrentIndex(gas);
            emit gases->activated(gas);
        }
        for (const char* box : boxes) {
            auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box));
            for (const char* text : typed) {
                edit->clear();
                QTest::keyClicks(edit, QString::fromLatin1(text));
            }
        }
        for (const char* mode : {"optCv", "optMassFlow"})
            window.findChild<QAbstractButton*>(QString::fromLatin1(mode))->click();
    }

    for (const DocumentButton& row : kDocumentButtons)
        window
            .findChild<QAbstractButton*>(QString::fromLatin1(row.button.data(), qsizetype(row.button.size())))
            ->click();

    replaceDocumentOpener(previousOpener);
    replaceWarningFunction(previousWarning);
    return counts;
}

}  // namespace tarvek::testing
