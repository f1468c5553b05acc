// An eyes-applet theme made here is imported into the user's own skins folder with
// orbo-skin-import; orbo, started with that skin chosen, shows the theme's eyes and their pupils
// follow the pointer to the theme's inner wall.
#include "e2e_env.h"
#include "motion_expect.h"

#include <QtCore/QProcess>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

namespace orbo::e2e {
namespace {

constexpr QSize kEye(60, 44);
constexpr int kWall = 8;
constexpr QSize kPupil(16, 16); // a 12 x 12 blue square inside a see-through border of 2
constexpr QRgb kBlue = 0x0000FF;

QImage EyePicture() {
    QImage eye(kEye, QImage::Format_ARGB32);
    eye.fill(Qt::transparent);
    QPainter painter(&eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawEllipse(QRect(QPoint(0, 0), kEye));
    return eye;
}

bool MakeTheme(const QString& folder) {
    QImage pupil(kPupil, QImage::Format_ARGB32);
    pupil.fill(Qt::transparent);
    QPainter(&pupil).fillRect(2, 2, 12, 12, QColor::fromRgb(kBlue));
    QFile config(folder + QStringLiteral("/config"));
    return QDir().mkpath(folder) && EyePicture().save(folder + QStringLiteral("/eye.png")) &&
           pupil.save(folder + QStringLiteral("/pupil.png")) && config.open(QIODevice::WriteOnly) &&
           config.write("wall-thickness = 8\nnum-eyes = 2\neye-pixmap = \"eye.png\"\n"
                        "pupil-pixmap = \"pupil.png\"") > 0;
}

TEST(ImportedTheme, ShowsTheThemesEyesAndThePupilsFollowThePointer) {
    OrboRun run;
    QTemporaryDir themes;
    const QString theme = themes.filePath(QStringLiteral("Goggle"));
    ASSERT_TRUE(MakeTheme(theme));
    QProcess import;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), run.DataFolder());
    import.setProcessEnvironment(env);
    import.start(QStringLiteral(ORBO_SKIN_IMPORT_BINARY), {theme});
    ASSERT_TRUE(import.waitForFinished(30000));
    ASSERT_EQ(import.exitCode(), 0) << import.readAllStandardError().toStdString();
    ASSERT_TRUE(
        QFileInfo::exists(run.DataFolder() + QStringLiteral("/orbo/Skins/Goggle/Skin.ini")));

    const QPoint at(400, 300);
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), QString::number(at.x() * 15)},
                                   {QStringLiteral("Top"), QString::number(at.y() * 15)},
                                   {QStringLiteral("Speed"), QStringLiteral("100")},
                                   {QStringLiteral("Skin"), QStringLiteral("Goggle")}}));
    ASSERT_TRUE(run.Start());
    const QSize both(2 * kEye.width(), kEye.height());
    EXPECT_EQ(Probe().Geometry(run.Window()), QRect(at, both));
    QImage expectedShape(both, QImage::Format_RGB32);
    expectedShape.fill(qRgb(255, 0, 255));
    QPainter(&expectedShape).drawImage(0, 0, EyePicture());
    QPainter(&expectedShape).drawImage(kEye.width(), 0, EyePicture());
    const QRegion shape = RegionOf(Probe().ShapeRectangles(run.Window()));
    EXPECT_TRUE(shape.xored(NonMagentaRegion(expectedShape)).isEmpty());

    // The pupil's centre keeps to the ellipse inside the walls: the box of the eye less the walls.
    for (const QPoint cursor : {QPoint(0, at.y() + 22), QPoint(1023, at.y() + 22),
                                QPoint(at.x() + 60, 0), QPoint(at.x() + 60, 767)}) {
        Probe().MovePointer(cursor.x(), cursor.y());
        for (int i = 0; i < 2; ++i) {
            const EyeBox box{i * kEye.width() + kWall / 2, kWall / 2,      kEye.width() - kWall,
                             kEye.height() - kWall,        kPupil.width(), kPupil.height()};
            const QPoint expected = ExpectedAutoPosition(at, box, cursor) + QPoint(2, 2);
            const QRect eyeArea(i * kEye.width(), 0, kEye.width(), kEye.height());
            QRect shown;
            WaitFor([&] {
                shown = BoundingBoxOf(GrabWindowArea(run.Window(), eyeArea), kBlue)
                            .translated(eyeArea.topLeft());
                return shown.topLeft() == expected;
            });
            EXPECT_EQ(shown, QRect(expected, QSize(12, 12)))
                << "eye " << i + 1 << ", cursor " << cursor.x() << "," << cursor.y();
        }
    }
}

} // namespace
} // namespace orbo::e2e
