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

// The page's controls, found once by their object names: a walk compares after every click.
class ShownState {
  public:
    explicit ShownState(frmTarvekProducts& window) : window_(window) {}

    ::testing::AssertionResult operator()(const ConfiguratorState& s) {
        std::string differences;
        const auto expect = [&](bool same, const std::string& what) {
            if (!same) differences += what + "; ";
        };
        const auto& kCaptions = form::kListCaptions;
        for (std::size_t i = 0; i < kListCount; ++i) {
            const ListState& l = s.lists[i];
            auto* list = lists_[i];
            bool sameEntries = list->count() == int(l.entries.size());
            for (int e = 0; sameEntries && e < list->count(); ++e)
                sameEntries = list->itemText(e).toStdString() == l.entries[std::size_t(e)];
            expect(sameEntries, std::string(form::kLists[i]) + " entries");
            expect(list->currentIndex() == l.chosen, std::string(form::kLists[i]) + " choice");
            expect(list->isEnabled() == l.enabled, std::string(form::kLists[i]) + " enabled");
            expect(activeAs(captions_[i], s.captionActive[i]), kCaptions[i]);
        }
        expect(activeAs(seatFrame_, s.seatFrameActive), "fraOptionsSeat");
        expect(activeAs(colourFrame_, s.colourFrameActive), "fraOptionsColor");
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            const OptionState& o = s.options[i];
            expect(options_[i]->text().toStdString() == o.caption && options_[i]->isEnabled() == o.enabled &&
                       options_[i]->isChecked() == o.checked,
                   form::kOptions[i]);
        }
        expect(partNumber_->text().toStdString() == s.partNumber, "lblPartNumber");
        expect(price_->text().toStdString() == listPriceText(s.listPrice), "lblPrice");
        expect(discount_->text().toStdString() == s.discount && discount_->isEnabled() == s.discountEnabled,
               "txtDiscount");
        expect(netPrice_->text().toStdString() == netPriceText(s.netPrice), "lblNetPrice");
        for (std::size_t i = 0; i < kPriceControls.size(); ++i)
            expect(priceControls_[i]->isHidden() != s.pricesShown, kPriceControls[i]);
        expect(banner_->isHidden() != s.nonStandardBanner, "lblNS1");
        expect(valveDescription_->text().toStdString() == s.valveDescription &&
                   valveDescription_->isHidden() != s.valveDescriptionShown,
               "lblValveDescription");
        expect(vBlock_->isHidden() != s.vBlockNoteShown, "lblVBlock");
        expect(compartFittings_->isHidden() != s.compartFittingsNoteShown, "lblCompartFittings");
        expect(wikaGauges_->isHidden() != s.wikaGaugesNoteShown, "lblWikaGauges");
        expect(picture_->pictureName().toStdString() == s.picture && picture_->isHidden() != s.pictureShown,
               "imgPicture");
        expect(pictureFrame_->title().toStdString() == s.pictureCaption, "fraPicture");
        expect(window_.configurator().record() == s.record, "record");

        if (differences.empty()) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the window differs from the model in: " << differences;
    }

  private:
    template <typename T>
    T* find(const char* name) const {
        return window_.findChild<T*>(QString::fromLatin1(name));
    }
    template <typename T, std::size_t N>
    std::array<T*, N> findAll(const std::array<const char*, N>& names) const {
        std::array<T*, N> found;
        for (std::size_t i = 0; i < N; ++i) found[i] = find<T>(names[i]);
        return found;
    }
    static bool activeAs(const QWidget* w, bool active) {
        return w->isEnabled() == active && w->font().bold() == active;
    }

    static constexpr std::array<const char*, 6> kPriceControls = {"lblPrice", "txtDiscount", "lblNetPrice",
                                                                  "Label3",   "Label6",      "Label4"};

    frmTarvekProducts& window_;
    const std::array<QComboBox*, kListCount> lists_ = findAll<QComboBox>(form::kLists);
    const std::array<QWidget*, kListCount> captions_ = findAll<QWidget>(form::kListCaptions);
    const std::array<QAbstractButton*, kOptionCount> options_ = findAll<QAbstractButton>(form::kOptions);
    const std::array<QWidget*, kPriceControls.size()> priceControls_ = findAll<QWidget>(kPriceControls);
    QWidget *seatFrame_ = find<QWidget>("fraOptionsSeat"), *colourFrame_ = find<QWidget>("fraOptionsColor");
    QLabel *partNumber_ = find<QLabel>("lblPartNumber"), *price_ = find<QLabel>("lblPrice"),
           *netPrice_ = find<QLabel>("lblNetPrice"), *valveDescription_ = find<QLabel>("lblValveDescription");
    QLineEdit* discount_ = find<QLineEdit>("txtDiscount");
    QWidget *banner_ = find<QWidget>("lblNS1"), *vBlock_ = find<QWidget>("lblVBlock"),
            *compartFittings_ = find<QWidget>("lblCompartFittings"),
            *wikaGauges_ = find<QWidget>("lblWikaGauges");
    PictureBox* picture_ = find<PictureBox>("imgPicture");
    QGroupBox* pictureFrame_ = find<QGroupBox>("fraPicture");
};

inline ::testing::AssertionResult showsState(frmTarvekProducts& window, const ConfiguratorState& s) {
    return ShownState(window)(s);
}

}  // namespace tarvek::testing
