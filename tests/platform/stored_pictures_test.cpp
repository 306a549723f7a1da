// The pictures stored with the program: every SVG the windows name is there and draws at the size
// its control was laid out for, at any fineness of the screen, drawn afresh rather than enlarged;
// a missing picture or group shows nothing instead of failing.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"

namespace orvan::platform {
namespace {

struct Stored {
    QString path;
    QString element;
    QSize points;
};

// Every picture the windows and dialogs show, with the size in points it was laid out for.
std::vector<Stored> AllStoredPictures() {
    using assets::IconPath;
    using assets::LogoPath;
    return {
        {IconPath("language"), {}, {43, 33}},
        {IconPath("previous"), {}, {33, 33}},
        {IconPath("next"), {}, {33, 33}},
        {IconPath("menu-arrow"), {}, {7, 4}},
        {IconPath("copy"), {}, {24, 23}},
        {IconPath("paste"), {}, {24, 23}},
        {IconPath("print"), {}, {29, 23}},
        {IconPath("search"), {}, {24, 24}},
        {IconPath("description-search"), {}, {31, 19}},
        {IconPath("fulltext-question"), {}, {48, 48}},
        {IconPath("exit"), {}, {27, 32}},
        {IconPath("custom-entries"), {}, {29, 22}},
        {IconPath("insert"), {}, {38, 23}},
        {IconPath("modify"), {}, {35, 31}},
        {IconPath("delete"), {}, {39, 23}},
        {IconPath("pin"), {}, {13, 14}},
        {IconPath("help"), {}, {32, 32}},
        {IconPath("notepad"), {}, {29, 22}},
        {IconPath("installation"), "setup", {41, 41}},
        {IconPath("installation"), "install", {18, 18}},
        {LogoPath("division-logo"), {}, {27, 16}},
        {LogoPath("company-logo"), {}, {80, 14}},
        {assets::ProgramIconPath(), {}, {48, 48}},
    };
}

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

TEST(StoredPictures, EachDrawsAtItsSizeInPointsAtEveryFineness) {
    for (const Stored& stored : AllStoredPictures()) {
        const QString name = stored.path + "#" + stored.element;
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QImage image = StoredPicture(stored.path, ratio, stored.element);
            ASSERT_FALSE(image.isNull()) << name.toStdString();
            EXPECT_EQ(image.devicePixelRatio(), ratio) << name.toStdString();
            EXPECT_EQ(image.deviceIndependentSize().toSize(), stored.points) << name.toStdString();
            EXPECT_EQ(image.size(), (QSizeF(stored.points) * ratio).toSize()) << name.toStdString();
            // Something is drawn, and the picture is not a filled box.
            const int opaque = OpaquePixels(image);
            EXPECT_GT(opaque, image.width() * image.height() / 10) << name.toStdString();
        }
    }
}

TEST(StoredPictures, TwiceTheFinenessIsDrawnAfreshNotEnlarged) {
    for (const Stored& stored : AllStoredPictures()) {
        const QImage plain = StoredPicture(stored.path, 1, stored.element);
        const QImage twice = StoredPicture(stored.path, 2, stored.element);
        const QImage enlarged =
            plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_NE(twice.convertToFormat(QImage::Format_ARGB32),
                  enlarged.convertToFormat(QImage::Format_ARGB32))
            << stored.path.toStdString();
    }
}

TEST(StoredPictures, TheGroupsOfOneFileAreDifferentPictures) {
    // The installation's two pictures share their monitor but not their whole drawing.
    const QImage setup = StoredPicture(assets::IconPath("installation"), 1, "setup");
    const QImage install = StoredPicture(assets::IconPath("installation"), 1, "install");
    EXPECT_NE(setup.scaled(install.size()).convertToFormat(QImage::Format_ARGB32),
              install.convertToFormat(QImage::Format_ARGB32));
}

TEST(StoredPictures, AMissingPictureOrGroupGivesNothing) {
    EXPECT_TRUE(StoredPicture(":/icons/no-such-picture.svg", 1).isNull());
    EXPECT_TRUE(StoredPicture(assets::IconPath("installation"), 1, "no-such-group").isNull());
    EXPECT_TRUE(StoredPicture(assets::IconPath("copy"), 0).isNull());
    EXPECT_TRUE(StoredPicture(assets::IconPath("copy"), -1).isNull());
}

TEST(StoredPictures, IconsAreDrawnAtTheSizeAndFinenessAskedFor) {
    const QIcon icon = StoredIcon(assets::IconPath("copy"));
    ASSERT_FALSE(icon.isNull());
    for (const qreal ratio : {1.0, 1.25, 2.0, 3.0}) {
        const QPixmap shown = icon.pixmap(QSize(24, 23), ratio);
        EXPECT_EQ(shown.size(), (QSizeF(24, 23) * ratio).toSize()) << ratio;
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
    }
    // The disabled button's picture is still drawn, greyed by the style.
    EXPECT_FALSE(icon.pixmap(QSize(24, 23), 1.0, QIcon::Disabled).isNull());
}

}  // namespace
}  // namespace orvan::platform
