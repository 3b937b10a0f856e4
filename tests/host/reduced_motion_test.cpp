// SPDX-FileCopyrightText: 2026 The Molen developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the desktop asks for less motion, the banner starts stopped: the window asks the
// desktop's settings portal, here a stand-in on a session bus of the test's own.
#include "window_fixture.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMutex>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace molen::testing_support {

// The settings portal's Read, answering from a table the test fills, on a thread of its own so
// that the window's blocking call to it is answered.
class FakeSettingsPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

  public:
    using Key = std::pair<QString, QString>;
    void answer(std::map<Key, QVariant> settings) {
        const QMutexLocker lock(&mutex_);
        settings_ = std::move(settings);
    }

  public slots:
    QDBusVariant Read(const QString& group, const QString& key) { // NOLINT: the portal's name
        const QMutexLocker lock(&mutex_);
        const auto found = settings_.find({group, key});
        if (found == settings_.end()) {
            sendErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting");
            return {};
        }
        // The portal wraps the value in a variant of its own.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(found->second)));
    }

  private:
    QMutex mutex_;
    std::map<Key, QVariant> settings_;
};

namespace {

// A session bus for this process alone, with the portal on it, before anything uses the bus.
class PrivateDesktop : public testing::Environment {
  public:
    void SetUp() override {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!daemon_.waitForStarted() || !daemon_.waitForReadyRead(5000))
            return;
        const QByteArray address = daemon_.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QDBusConnection bus = QDBusConnection::connectToBus(QString(address), "portal");
        portal = std::make_unique<FakeSettingsPortal>();
        portal->moveToThread(&thread_);
        thread_.start();
        bus.registerObject("/org/freedesktop/portal/desktop", portal.get(),
                           QDBusConnection::ExportAllSlots);
        ready = bus.registerService("org.freedesktop.portal.Desktop");
    }
    void TearDown() override {
        thread_.quit();
        thread_.wait();
        daemon_.kill();
        daemon_.waitForFinished();
    }

    static inline std::unique_ptr<FakeSettingsPortal> portal;
    static inline bool ready = false;

  private:
    QProcess daemon_;
    QThread thread_;
};

const auto* const desktop = testing::AddGlobalTestEnvironment(new PrivateDesktop);

struct MotionCase {
    const char* desktop;
    std::map<FakeSettingsPortal::Key, QVariant> settings;
    bool bannerMoves;
};

class ReducedMotion : public testing::TestWithParam<MotionCase> {};

TEST_P(ReducedMotion, TheBannerStartsAsTheDesktopAsks) {
    if (!PrivateDesktop::ready)
        GTEST_SKIP() << "no dbus-daemon to run a session bus";
    PrivateDesktop::portal->answer(GetParam().settings);
    MillWindow window{InitialForm()};
    window.open();
    auto* bannerTimer = window.findChild<QTimer*>("Timer3");
    EXPECT_EQ(bannerTimer->isActive(), GetParam().bannerMoves);
    // The top of the client area, where the banner runs (Top 20, Height 495 twips).
    const auto banner = [&] {
        return window.grab(QRect(0, 0, window.width(), 35)).toImage();
    };
    const QImage before = banner();
    QTest::qWait(150); // seven of its ticks, were it moving
    EXPECT_EQ(banner() == before, !GetParam().bannerMoves) << "its pixels";
    QTest::keyClick(window.findChild<QWidget*>("Command1"), Qt::Key_Space); // the brake is off
    EXPECT_TRUE(window.findChild<QTimer*>("Timer1")->isActive()) << "the sails always turn";
}

const QString Gnome = "org.gnome.desktop.interface", Kde = "org.kde.kdeglobals.KDE";

INSTANTIATE_TEST_SUITE_P(
    Desktops, ReducedMotion,
    testing::Values(
        MotionCase{"none", {}, true},
        MotionCase{"GNOME, animations off", {{{Gnome, "enable-animations"}, false}}, false},
        MotionCase{"GNOME, animations on", {{{Gnome, "enable-animations"}, true}}, true},
        MotionCase{"KDE, no animation", {{{Kde, "AnimationDurationFactor"}, 0.0}}, false},
        MotionCase{"KDE, slow animation", {{{Kde, "AnimationDurationFactor"}, 2.0}}, true}),
    [](const testing::TestParamInfo<MotionCase>& param) {
        std::string name = param.param.desktop;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

} // namespace
} // namespace molen::testing_support

#include "reduced_motion_test.moc"
