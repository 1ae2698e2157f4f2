// Whether the configurator page shows a model state exactly: every list's entries, choice
// and state, every caption, frame and option, the prices, the notices and the picture.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/configurator/configurator_page.h"
#include "app/configurator/control_names.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "rules/configurator/configurator_state.h"
#include "rules/configurator/pricing.h"
#include "tests/support/cascade_walk.h"

namespace tarvek::testing {

inline ::testing::AssertionResult showsState(frmTarvekProducts& window, const ConfiguratorState& s) {
    const auto find = [&](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); };
    const auto text = [&](const char* name) -> std::string {
        QWidget* w = find(name);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text().toStdString();
        return qobject_cast<QGroupBox*>(w)->title().toStdString();
    };
    const auto active = [&](const char* name) {
        return find(name)->isEnabled() && find(name)->font().bold();
    };
    const auto inactive = [&](const char* name) {
        return !find(name)->isEnabled() && !find(name)->font().bold();
    };
    std::string differences;
    const auto expect = [&](bool same, const std::string& what) {
        if (!same) differences += what + "; ";
    };

    const auto& kCaptions = form::kListCaptions;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListState& l = s.lists[i];
        auto* list = qobject_cast<QComboBox*>(find(form::kLists[i]));
        bool sameEntries = list->count() == int(l.entries.size());
        for (int e = 0; sameEntries && e < list->count(); ++e)
            sameEntries = list->itemText(e).toStdString() == l.entries[std::size_t(e)];
        expect(sameEntries, std::string(form::kLists[i]) + " entries");
        expect(list->currentIndex() == l.chosen, std::string(form::kLists[i]) + " choice");
        expect(list->isEnabled() == l.enabled, std::string(form::kLists[i]) + " enabled");
        expect(s.captionActive[i] ? active(kCaptions[i]) : inactive(kCaptions[i]), kCaptions[i]);
    }
    expect(s.seatFrameActive ? active("fraOptionsSeat") : inactive("fraOptionsSeat"), "fraOptionsSeat");
    expect(s.colourFrameActive ? active("fraOptionsColor") : inactive("fraOptionsColor"), "fraOptionsColor");
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        auto* button = qobject_cast<QAbstractButton*>(find(form::kOptions[i]));
        const OptionState& o = s.options[i];
        expect(button->text().toStdString() == o.caption && button->isEnabled() == o.enabled &&
                   button->isChecked() == o.checked,
               form::kOptions[i]);
    }
    expect(text("lblPartNumber") == s.partNumber, "lblPartNumber");
    expect(text("lblPrice") == listPriceText(s.listPrice), "lblPrice");
    expect(text("txtDiscount") == s.discount && find("txtDiscount")->isEnabled() == s.discountEnabled,
           "txtDiscount");
    expect(text("lblNetPrice") == netPriceText(s.netPrice), "lblNetPrice");
    for (const char* price : {"lblPrice", "txtDiscount", "lblNetPrice", "Label3", "Label6", "Label4"})
        expect(find(price)->isHidden() != s.pricesShown, price);
    expect(find("lblNS1")->isHidden() != s.nonStandardBanner, "lblNS1");
    expect(text("lblValveDescription") == s.valveDescription &&
               find("lblValveDescription")->isHidden() != s.valveDescriptionShown,
           "lblValveDescription");
    expect(find("lblVBlock")->isHidden() != s.vBlockNoteShown, "lblVBlock");
    expect(find("lblCompartFittings")->isHidden() != s.compartFittingsNoteShown, "lblCompartFittings");
    expect(find("lblWikaGauges")->isHidden() != s.wikaGaugesNoteShown, "lblWikaGauges");
    auto* picture = qobject_cast<PictureBox*>(find("imgPicture"));
    expect(picture->pictureName().toStdString() == s.picture && picture->isHidden() != s.pictureShown,
           "imgPicture");
    expect(text("fraPicture") == s.pictureCaption, "fraPicture");
    expect(window.configurator().record() == s.record, "record");

    if (differences.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the window differs from the model in: " << differences;
}

}  // namespace tarvek::testing
