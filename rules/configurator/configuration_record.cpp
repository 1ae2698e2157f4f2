#include "rules/configurator/configuration_record.h"

namespace tarvek {
namespace {

template <typename Segments>
void clear(ConfigurationRecord& record, const Segments& segments, const char* text) {
    for (const Segment segment : segments) record.*segment = text;
}

using R = ConfigurationRecord;

}  // namespace

std::string composePartNumber(const ConfigurationRecord& record) {
    std::string partNumber;
    for (const Segment segment : kPartNumberSegments) partNumber += record.*segment;
    return partNumber;
}

void markerReset(ConfigurationRecord& record) { clear(record, kMarkers, ""); }

void fullReset(ConfigurationRecord& record) {
    clear(record,
          std::array{&R::lblPNBody, &R::lblPNModel, &R::lblPNPorting, &R::lblPNConn1, &R::lblPNConn2,
                     &R::lblPNConn3, &R::lblPNConn4, &R::lblPNOptionsColor, &R::lblPNOptionsSeat,
                     &R::lblPNOptionsGeneral},
          "");
    clear(record,
          std::array{&R::lblPriceBody, &R::lblPriceModel, &R::lblPricePorting, &R::lblPriceConn1,
                     &R::lblPriceConn2, &R::lblPriceConn3, &R::lblPriceConn4, &R::lblPriceOptionsColor,
                     &R::lblPriceOptionsSeat, &R::lblPriceOptionsGeneral},
          "0");
    markerReset(record);
}

void modelReset(ConfigurationRecord& record) {
    clear(record,
          std::array{&R::lblPNModel, &R::lblPNPorting, &R::lblPNConn1, &R::lblPNConn2, &R::lblPNConn3,
                     &R::lblPNConn4, &R::lblPNOptionsColor},
          "");
    clear(record,
          std::array{&R::lblPriceModel, &R::lblPricePorting, &R::lblPriceConn1, &R::lblPriceConn2,
                     &R::lblPriceConn3, &R::lblPriceConn4, &R::lblPriceOptionsColor},
          "0");
    markerReset(record);
}

void portingReset(ConfigurationRecord& record) {
    record.lblPNConn1 = "-X";
    record.lblPNConn2 = "X";
    record.lblPNConn3 = "X";
    record.lblPNConn4 = "X";
    clear(record, kConnectionPrices, "0");
    markerReset(record);
}

}  // namespace tarvek
