// The notice that the eyes follow the pointer only over X11 windows, until told not to.
#include "pointer_notice.h"

#include "creature/creature.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/window_system.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QMessageBox>

#include <cstdio>

namespace orbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::PointerNotice", text);
}

} // namespace

bool ShouldTellWherePointerIsSeen(const Desktop& desktop, const Choices& choices) {
    return !desktop.FollowsPointerEverywhere() && choices.PointerNotice;
}

QMessageBox* TellWherePointerIsSeen(const Desktop& desktop, Creature& creature,
                                    SettingsStore& store, QWidget* parent) {
    if (!ShouldTellWherePointerIsSeen(desktop, creature.Chosen()))
        return nullptr;
    QString text = desktop.WherePointerIsSeen();
    if (text.isEmpty())
        text = Tr(QT_TRANSLATE_NOOP(
            "orbo::PointerNotice",
            "On this desktop Orbo's eyes follow the mouse pointer only while it is over Orbo or "
            "another X11 program's window: the desktop tells Orbo nothing of the pointer "
            "elsewhere."));
    text += QStringLiteral("\n\n");
    QString advice = desktop.HowToFollowEverywhere();
    // An X11 program on a layer-shell compositor, which shows it as its rectangle wherever its
    // own rules put it.
    if (const QString compositor = LayerShellCompositorName();
        advice.isEmpty() && !compositor.isEmpty() && !OnWayland())
        advice = Tr(QT_TRANSLATE_NOOP(
                        "orbo::PointerNotice",
                        "%1 also shows Orbo's X11 window as a rectangle, placed by its own rules. "
                        "Orbo built with LayerShellQt (Debian 13 and later have it) runs on %1 as "
                        "a surface of its own instead: the creature in its shape, at its place, "
                        "above the windows."))
                     .arg(compositor);
    text += advice.isEmpty()
                ? Tr(QT_TRANSLATE_NOOP("orbo::PointerNotice",
                                       "In an X11 session, in KDE Plasma, and in GNOME "
                                       "with Orbo's extension, they follow it "
                                       "everywhere."))
                : advice;
    // In the session's log too, where the advice outlives the box.
    std::fprintf(stderr, "orbo: %s\n", text.toLocal8Bit().constData());
    auto* box =
        new QMessageBox(QMessageBox::Information,
                        Tr(QT_TRANSLATE_NOOP("orbo::PointerNotice", "Orbo - Where the eyes look")),
                        text, QMessageBox::Ok, parent, Qt::Dialog);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    auto* never =
        new QCheckBox(Tr(QT_TRANSLATE_NOOP("orbo::PointerNotice", "Do not tell me again")), box);
    box->setCheckBox(never);
    QObject::connect(box, &QMessageBox::finished, box, [&creature, &store, never] {
        if (!never->isChecked())
            return;
        creature.Choose(&Choices::PointerNotice, false);
        creature.SaveChoices(store);
    });
    box->show();
    return box;
}

} // namespace orbo
