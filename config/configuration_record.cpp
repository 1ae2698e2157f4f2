#include "config/configuration_record.h"

namespace tarvek {
namespace {

// Copies of whole strings: GCC 12 at -O3 mistakes assigning a literal for an overlapping copy.
const std::string kEmpty, kZero = "0", kPlaceholder = "X", kFirstPlaceholder = "-X";

template <typename Segments>
void clear(ConfigurationRecord& record, const Segments& segments, const std::string& text) {
    for (const Segment segment : segments) record.*segment = text;
}

using R = ConfigurationRecord;

}  // namespace

std::string composePartNumber(const ConfigurationRecord& record) {
    std::string partNumber;
    for (const Segment segment : kPartNumberSegments) partNumber += record.*segment;
    return partNumber;
}

void markerReset(ConfigurationRecord& record) { clear(record, kMarkers, kEmpty); }

void fullReset(ConfigurationRecord& record) {
    clear(record,
          std::array{&R::lblPNBody, &R::lblPNModel, &R::lblPNPorting, &R::lblPNConn1, &R::lblPNConn2,
                     &R::lblPNConn3, &R::lblPNConn4, &R::lblPNOptionsColor, &R::lblPNOptionsSeat,
                     &R::lblPNOptionsGeneral},
          kEmpty);
    clear(record,
          std::array{&R::lblPriceBody, &R::lblPriceModel, &R::lblPricePorting, &R::lblPriceConn1,
                     &R::lblPriceConn2, &R::lblPriceConn3, &R::lblPriceConn4, &R::lblPriceOptionsColor,
                     &R::lblPriceOptionsSeat, &R::lblPriceOptionsGeneral},
          kZero);
    markerReset(record);
}

void modelReset(ConfigurationRecord& record) {
    clear(record,
          std::array{&R::lblPNModel, &R::lblPNPorting, &R::lblPNConn1, &R::lblPNConn2, &R::lblPNConn3,
                     &R::lblPNConn4, &R::lblPNOptionsColor},
          kEmpty);
    clear(record,
          std::array{&R::lblPriceModel, &R::lblPricePorting, &R::lblPriceConn1, &R::lblPriceConn2,
                     &R::lblPriceConn3, &R::lblPriceConn4, &R::lblPriceOptionsColor},
          kZero);
    markerReset(record);
}

void portingReset(ConfigurationRecord& record) {
    record.lblPNConn1 = kFirstPlaceholder;
    record.lblPNConn2 = record.lblPNConn3 = record.lblPNConn4 = kPlaceholder;
    clear(record, kConnectionPrices, kZero);
    markerReset(record);
}

}  // namespace tarvek
