#include "tools/pictures/catalogue_pictures.h"

#include <QStringList>
#include <set>

#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"
#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"
#include "rules/catalogue/product_types.h"
#include "tools/pictures/component_art.h"
#include "tools/pictures/drawing_kit.h"
#include "tools/pictures/fitting_art.h"
#include "tools/pictures/part_art.h"
#include "tools/pictures/porting_drawing.h"
#include "tools/pictures/valve_art.h"

namespace tarvek::art {
namespace {

using Illustration = std::function<void(QPainter&, const QRectF&)>;

QString q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
bool says(std::string_view text, std::string_view words) {
    return text.find(words) != std::string_view::npos;
}

QString stem(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return q(fileName.substr(0, dot));
}
QString withoutDash(std::string_view segment) {
    return segment.starts_with('-') ? q(segment.substr(1)) : q(segment);
}
// "A310 --- Air-Op N.C., Low Pressure" says "Air-Op N.C., Low Pressure"; "KL-01 - 1/4 inch ..." likewise.
QString description(std::string_view entry) {
    for (const std::string_view separator : {std::string_view(" --- "), std::string_view(" - ")}) {
        const std::size_t at = entry.find(separator);
        if (at != std::string_view::npos) return q(entry.substr(at + separator.size()));
    }
    return q(entry);
}
// "Valve Seat - MX3" names the part "Valve Seat".
QString partName(std::string_view entry) { return q(entry.substr(0, entry.find(" - "))); }
QString joined(const QStringList& parts) { return parts.join(QStringLiteral("  \u00B7  ")); }

const Body* bodyWithCode(std::string_view code) {
    for (const Body& body : kBodies)
        if (!body.code.empty() && body.code == code) return &body;
    return nullptr;
}
const Actuator* actuatorWithCode(std::string_view code) {
    for (const Actuator& actuator : kActuators)
        if (actuator.code == code) return &actuator;
    return nullptr;
}
const Actuator* actuatorWithEntry(std::string_view entry) {
    for (const Actuator& actuator : kActuators)
        if (actuator.entry == entry) return &actuator;
    return nullptr;
}

RegulatorLook regulatorLook(const Body& body) {
    const std::string_view picture = body.picture;
    return {stem(picture.substr(0, picture.find('-'))), withoutDash(body.code),
            says(body.entry, "Miniature") ? 0.82 : 1.0};
}

// Valves of a series as its model list offers them, the first few.
std::vector<ActuatorLook> seriesActuators(const Body& body, std::size_t most) {
    std::vector<ActuatorLook> looks;
    for (const std::string_view entry : body.actuators)
        if (const Actuator* actuator = actuatorWithEntry(entry); actuator && looks.size() < most)
            looks.push_back(actuatorLook(*actuator));
    return looks;
}

// One of each kind of actuator sold as an assembly.
std::vector<ActuatorLook> actuatorKinds() {
    std::vector<ActuatorLook> looks;
    for (const Actuator& actuator : kActuators) {
        if (actuator.assemblyPicture.empty()) continue;
        const ActuatorLook look = actuatorLook(actuator);
        bool seen = false;
        for (const ActuatorLook& l : looks)
            seen = seen || (l.kind == look.kind && l.normallyOpen == look.normallyOpen);
        if (!seen) looks.push_back(look);
    }
    return looks;
}

// Pictures in the order the tables first name them; a name seen again is the same picture.
class Collection {
  public:
    void add(std::string_view fileName, QString title, QString subtitle, Illustration illustration) {
        if (fileName.empty() || !names_.insert(std::string(fileName)).second) return;
        CataloguePicture picture;
        picture.fileName = std::string(fileName);
        picture.format = formatOf(fileName);
        picture.title = std::move(title);
        picture.subtitle = std::move(subtitle);
        picture.illustration = std::move(illustration);
        pictures_.push_back(std::move(picture));
    }
    void addDrawing(std::string_view fileName, QString title, std::function<QByteArray()> metafile) {
        if (!names_.insert(std::string(fileName)).second) return;
        CataloguePicture picture;
        picture.fileName = std::string(fileName);
        picture.format = PictureFormat::Metafile;
        picture.title = std::move(title);
        picture.metafile = std::move(metafile);
        pictures_.push_back(std::move(picture));
    }
    bool has(std::string_view fileName) const { return names_.count(std::string(fileName)) > 0; }
    std::vector<CataloguePicture> take() { return std::move(pictures_); }

  private:
    std::vector<CataloguePicture> pictures_;
    std::set<std::string> names_;
};

// The fittings of one family, one of each picture.
void drawFittingFamily(QPainter& p, const QRectF& area, std::string_view family) {
    std::vector<FittingKind> kinds;
    std::set<std::string_view> pictures;
    for (const Fitting& fitting : kFittings)
        if (fitting.family == family && pictures.insert(fitting.picture).second)
            kinds.push_back(fittingKind(fitting));
    drawFittings(p, area, kinds);
}

int partNumbersOf(std::string_view family) {
    int count = 0;
    for (const Fitting& fitting : kFittings) count += fitting.family == family;
    return count;
}

QString codesWithPicture(auto const& table, std::string_view picture) {
    QStringList codes;
    for (const auto& row : table)
        if (row.picture == picture) codes << q(row.code);
    return joined(codes);
}

void addBodies(Collection& c) {
    for (const Body& body : kBodies) {
        switch (body.kind) {
            case BodyKind::ValveSeries: {
                const SeriesLook series = seriesLook(body);
                const std::vector<ActuatorLook> actuators = seriesActuators(body, 3);
                c.add(body.picture, q(body.entry), joined({q(body.productType), q(body.note)}),
                      [=](QPainter& p, const QRectF& area) { drawValves(p, area, series, actuators); });
                break;
            }
            case BodyKind::VBlock: {
                const ActuatorLook air = actuatorLook(kActuators.front());
                c.add(body.picture, q(body.entry),
                      joined({q(body.productType), QStringLiteral("Valve manifold")}),
                      [=](QPainter& p, const QRectF& area) { drawVBlock(p, area, air, 3); });
                break;
            }
            case BodyKind::RegulatorSeries: {
                const RegulatorLook look = regulatorLook(body);
                c.add(body.picture, stem(body.picture),
                      joined({QStringLiteral("Pressure Regulator"), q(body.entry)}),
                      [=](QPainter& p, const QRectF& area) { drawRegulator(p, area, look); });
                break;
            }
            case BodyKind::Fittings: {
                const std::string_view family = body.entry;
                c.add(body.picture, q(body.entry),
                      joined({q(body.productType),
                              QString::number(partNumbersOf(family)) + QStringLiteral(" part numbers")}),
                      [=](QPainter& p, const QRectF& area) { drawFittingFamily(p, area, family); });
                break;
            }
            case BodyKind::FlowComponents:
                break;
        }
    }
}

void addProductTypes(Collection& c) {
    for (const ProductType& type : kProductTypes) {
        if (type.picture.empty() || c.has(type.picture)) continue;
        if (type.entry == type::PressureRegulators) {
            std::vector<RegulatorLook> looks;
            QStringList series;
            for (const Body& body : kBodies)
                if (body.kind == BodyKind::RegulatorSeries) {
                    looks.push_back(regulatorLook(body));
                    series << q(body.entry);
                }
            c.add(type.picture, q(type.entry), joined(series),
                  [=](QPainter& p, const QRectF& area) { drawRegulators(p, area, looks); });
        } else if (type.entry == type::ActuatorAssemblies) {
            const std::vector<ActuatorLook> looks = actuatorKinds();
            QStringList codes;
            for (const ActuatorLook& look : looks) codes << look.code;
            c.add(type.picture, q(type.entry), joined(codes),
                  [=](QPainter& p, const QRectF& area) { drawActuators(p, area, looks); });
        } else {
            const Body& first = kBodies.front();  // a product type's picture shows its first series
            const SeriesLook series = seriesLook(first);
            const std::vector<ActuatorLook> actuators = seriesActuators(first, 3);
            c.add(type.picture, q(type.entry), q(first.entry),
                  [=](QPainter& p, const QRectF& area) { drawValves(p, area, series, actuators); });
        }
    }
}

void addValves(Collection& c) {
    for (const ActuatorOnSeries& row : kActuatorsOnSeries) {
        const Actuator* actuator = actuatorWithCode(row.code);
        const Body* body = bodyWithCode(row.series);
        if (!actuator || !body) continue;
        const SeriesLook series = seriesLook(*body);
        const ActuatorLook look = actuatorLook(*actuator);
        c.add(row.picture, q(row.code) + q(row.series) + QStringLiteral("-2A"),
              joined({description(actuator->entry), q(row.note)}),
              [=](QPainter& p, const QRectF& area) { drawValve(p, area, series, look); });
    }
    // The tee-knob valve shown again when the lever handle comes off.
    for (const SeriesPicture& row : kTeeKnobPictures) {
        const std::string_view picture = row.picture;
        const Actuator* actuator = actuatorWithCode(picture.substr(0, picture.find('-')));
        const Body* body = bodyWithCode(row.series);
        if (!actuator || !body) continue;
        const SeriesLook series = seriesLook(*body);
        const ActuatorLook look = actuatorLook(*actuator);
        c.add(row.picture, q(actuator->code) + q(row.series) + QStringLiteral("-2A"),
              joined({description(actuator->entry), q(body->entry)}),
              [=](QPainter& p, const QRectF& area) { drawValve(p, area, series, look); });
    }
    for (const Actuator& actuator : kActuators) {
        const ActuatorLook look = actuatorLook(actuator);
        c.add(actuator.assemblyPicture, q(actuator.code) + QStringLiteral(" Actuator"),
              description(actuator.entry),
              [=](QPainter& p, const QRectF& area) { drawActuator(p, area, look); });
    }
    for (const RegulatorPicture& row : kRegulatorPictures)
        if (const Body* body = bodyWithCode(row.series)) {
            const RegulatorLook look = regulatorLook(*body);
            c.add(row.picture, stem(row.picture),
                  joined({QStringLiteral("Pressure Regulator"), q(body->entry)}),
                  [=](QPainter& p, const QRectF& area) { drawRegulator(p, area, look); });
        }
}

void addComponentsAndParts(Collection& c) {
    for (const FlowComponent& component : kFlowComponents) {
        const QString code = q(component.code);
        Illustration draw;
        if (says(component.family, "Vacuum")) {
            const int vacuumPorts = says(component.entry, "Quad") ? 2 : 1;
            draw = [=](QPainter& p, const QRectF& area) { drawVacuumGenerator(p, area, code, vacuumPorts); };
        } else {
            const bool lnq = says(component.entry, "LNQ");
            draw = [=](QPainter& p, const QRectF& area) { drawCheckValve(p, area, code, lnq); };
        }
        c.add(component.picture, code, joined({q(component.family), description(component.entry)}), draw);
    }
    c.add(kLeverHandlePicture, stem(kLeverHandlePicture),
          joined({QStringLiteral("Lever Handle ") + withoutDash(kLeverHandleOn.code),
                  codesWithPicture(kSpareParts, kLeverHandlePicture)}),
          [](QPainter& p, const QRectF& area) { drawActuator(p, area, leverHandleLook()); });
    for (const SparePart& part : kSpareParts) {
        const std::string_view e = part.entry;
        Illustration draw;
        if (says(e, "Diaphragm"))
            draw = [](QPainter& p, const QRectF& area) { drawDiaphragms(p, area); };
        else if (says(e, "Tool Kit"))
            draw = [](QPainter& p, const QRectF& area) { drawToolKit(p, area); };
        else if (says(e, "Seat"))
            draw = [vespel = says(e, "Vespel")](QPainter& p, const QRectF& area) {
                drawSeats(p, area, vespel);
            };
        else
            draw = [](QPainter& p, const QRectF& area) { drawActuator(p, area, leverHandleLook()); };
        c.add(part.picture, partName(e), codesWithPicture(kSpareParts, part.picture), draw);
    }
    for (const Fitting& fitting : kFittings) {
        const FittingKind kind = fittingKind(fitting);
        c.add(fitting.picture, fittingName(kind),
              joined({q(fitting.family), codesWithPicture(kFittings, fitting.picture)}),
              [=](QPainter& p, const QRectF& area) { drawFitting(p, area, kind); });
    }
}

void addPortings(Collection& c) {
    for (const Porting& porting : kPortings)
        c.addDrawing(porting.drawing, q(porting.entry), [&porting] { return portingDrawing(porting); });
}

}  // namespace

PictureFormat formatOf(std::string_view fileName) {
    const QString name = q(fileName).toLower();
    if (name.endsWith(QLatin1String(".wmf"))) return PictureFormat::Metafile;
    if (name.endsWith(QLatin1String(".gif"))) return PictureFormat::Gif;
    return PictureFormat::Jpeg;
}

std::vector<CataloguePicture> cataloguePictures() {
    Collection c;
    addBodies(c);
    addProductTypes(c);
    addValves(c);
    addComponentsAndParts(c);
    addPortings(c);
    return c.take();
}

QImage renderPicture(const CataloguePicture& picture, QSize size) {
    if (size.isEmpty()) return {};
    if (picture.format == PictureFormat::Metafile) {
        const std::optional<wmf::Metafile> metafile = wmf::parseMetafile(picture.metafile());
        return metafile ? wmf::renderMetafile(*metafile, size) : QImage();
    }
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(size.width() / kDesignWidth, size.height() / kDesignHeight);
    // A GIF has 256 colours: plain paper keeps the palette for the metal.
    paper(p, picture.format != PictureFormat::Gif);
    picture.illustration(p, kArtArea);
    caption(p, picture.title, picture.subtitle);
    return image;
}

QImage renderCataloguePicture(std::string_view fileName, QSize size) {
    for (const CataloguePicture& picture : cataloguePictures())
        if (picture.fileName == fileName) return renderPicture(picture, size);
    return {};
}

}  // namespace tarvek::art
