#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/quote/quote_page.h"
#include "tests/support/data_folder_scope.h"
#include "tests/window/window_driver.h"

namespace {

const char* const kLowerLists[] = {"lstBody",  "lstModel", "lstPorting", "lstConn1",
                                   "lstConn2", "lstConn3", "lstConn4"};
const char* const kOptionControls[] = {"fraOptionsSeat",  "optStd", "optVSKZ", "optB5EP",
                                       "fraOptionsColor", "optBL",  "optBK",   "optGR",
                                       "optRD",           "optWH",  "optYW",   "chkLS"};

TEST(StartUp, ShowsTheCatalogueReadyForAFirstChoice) {
    WindowDriver d;
    EXPECT_EQ(d.window.windowTitle(), "2013 Tarvek Products Catalog (130205)");
    EXPECT_EQ(d.get<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(d.get<QTabWidget>("SSTab1")->count(), 3);

    const std::vector<std::string> types = {
        "Diaphragm Valves",   "Pressure Regulators", "Flow Components",    "Fittings",
        std::string(26, '-'), "Actuator Assemblies", "Miscellaneous Parts"};
    EXPECT_EQ(d.entries("lstProductType"), types);
    EXPECT_EQ(d.list("lstProductType")->currentIndex(), -1);
    EXPECT_TRUE(d.list("lstProductType")->isEnabled());

    for (const char* name : kLowerLists) {
        EXPECT_EQ(d.list(name)->count(), 0) << name;
        EXPECT_FALSE(d.list(name)->isEnabled()) << name;
    }
    for (const char* name : kOptionControls) EXPECT_FALSE(d.get(name)->isEnabled()) << name;
    EXPECT_TRUE(d.get<QRadioButton>("optBL")->isChecked());
    for (const char* seat : {"optStd", "optVSKZ", "optB5EP"})
        EXPECT_FALSE(d.get<QRadioButton>(seat)->isChecked());
    EXPECT_FALSE(d.get<QCheckBox>("chkLS")->isChecked());

    EXPECT_EQ(d.picture()->pictureName(), "MX2 Valves.jpg");
    EXPECT_TRUE(d.shown("imgPicture"));

    EXPECT_EQ(d.text("lblPartNumber"), "");
    EXPECT_EQ(d.text("lblPrice"), "");
    EXPECT_EQ(d.text("lblNetPrice"), "");
    EXPECT_EQ(d.text("txtDiscount"), "0");
    EXPECT_EQ(d.text("txtTemperature"), "70");
    EXPECT_EQ(d.text("txtCv"), "1.0");
    EXPECT_EQ(d.text("txtXtFactor"), "0.47");
    for (const char* hidden :
         {"lblNS1", "lblValveDescription", "lblVBlock", "lblWikaGauges", "lblCompartFittings",
          "lblChokedFlow", "txtXtFactor", "lblSpecificHeat", "txtMassFlow", "lblCv"})
        EXPECT_FALSE(d.shown(hidden)) << hidden;
    EXPECT_EQ(d.record(), tarvek::ConfigurationRecord{});
}

TEST(StartUp, EveryControlCarriesAnAccessibleName) {
    WindowDriver d;
    d.window.quotePage().page();  // the quote's window too, which is built when first shown
    for (QWidget* w : d.window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;  // Qt's own inner widgets
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
}

// Pictures are read from the data folder, by bare name.
TEST(StartUp, ReadsTheStartPictureFromTheDataFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("MX2 Valves.jpg"), "JPEG"));

    const tarvek::testing::DataFolderScope data(dir.path());
    {
        WindowDriver d;
        ASSERT_TRUE(d.picture()->hasPicture());
        const QImage shown = d.picture()->renderedImage();
        EXPECT_EQ(shown.size(),
                  d.picture()->size() * d.picture()->devicePixelRatio());  // stretched to the square
        EXPECT_GT(qRed(shown.pixel(shown.width() / 2, shown.height() / 2)), 200);
    }
    {
        QFile garbage(dir.filePath("MX2 Valves.jpg"));
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a picture at all");
    }
    {
        WindowDriver d;  // a damaged picture shows nothing, and nothing else changes
        EXPECT_FALSE(d.picture()->hasPicture());
        EXPECT_TRUE(d.shown("imgPicture"));
    }
}

// The working directory is the user's: started anywhere, the window shows its pictures and
// gases from its data folder, and a quote's printed pictures come from there too.
TEST(StartUp, AnyWorkingDirectoryFindsThePicturesAndGases) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    {
        WindowDriver d;
        EXPECT_EQ(d.picture()->pictureName(), "MX2 Valves.jpg");
        EXPECT_TRUE(d.picture()->hasPicture());
        EXPECT_GT(d.list("lstGasName")->count(), 0);
        d.choose("lstProductType", "Diaphragm Valves");
        d.choose("lstBody", "MX2 - Standard Series");
        d.choose("lstModel", "A310 --- Air-Op N.C., Low Pressure");
        d.choose("lstPorting", "2A");
        EXPECT_TRUE(d.picture()->hasPicture()) << "the porting drawing";
    }
    QDir::setCurrent(previous);
}

TEST(StartUp, LoadingTheEmptyNameClearsWithoutChangingVisibility) {
    WindowDriver d;
    d.picture()->hide();
    d.picture()->loadPicture(QString());
    EXPECT_FALSE(d.picture()->hasPicture());
    EXPECT_FALSE(d.shown("imgPicture"));
}

}  // namespace
