#include "ui/CommandMenus.h"

#include "catalogue/TextCatalogue.h"
#include "ui/layer/KeyNames.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {
QAction* AddItem(QWidget* to, const CommandSpec& spec, const std::function<void(Command)>& run) {
    auto* item = new QAction(QString::fromUtf8(spec.DesignText), to);
    item->setObjectName(QString::fromLatin1(spec.MenuItem));
    item->setCheckable(spec.Checkable);
    QObject::connect(item, &QAction::triggered, to, [run, id = spec.Id] { run(id); });
    to->addAction(item);
    return item;
}
} // namespace

CommandMenus BuildCommandMenus(QMenuBar* bar, const std::function<void(Command)>& run) {
    CommandMenus menus;
    const CommandSpec& end = MainCommands::Of(MainCommands::BarCommand);
    menus.Items[end.Id] = AddItem(bar, end, run);
    for (const MenuSpec& spec : MainCommands::Menus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(spec.DesignText));
        menu->setObjectName(QString::fromLatin1(spec.Name));
        menus.Menus[menu->objectName()] = menu;
        for (const MenuEntry& entry : spec.Entries) {
            if (entry.Where == Edition::Page) continue;
            if (!entry.Id) {
                menu->addSeparator();
                continue;
            }
            const CommandSpec& command = MainCommands::Of(*entry.Id);
            menus.Items[command.Id] = AddItem(menu, command, run);
        }
    }
    return menus;
}

void BindCommandKeys(QWidget* window, const std::function<void(Command)>& run) {
    for (const CommandSpec& spec : MainCommands::All()) {
        const QKeySequence key = KeySequenceNamed(QString::fromLatin1(spec.Key));
        if (key.isEmpty()) continue;
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, [run, id = spec.Id] { run(id); });
    }
}

void ApplyCommandCaptions(const CommandMenus& menus) {
    for (const auto& [id, item] : menus.Items)
        item->setText(QString::fromStdString(Data::GetText(MainCommands::Of(id).Caption)));
    for (const MenuSpec& spec : MainCommands::Menus())
        menus.Menus.at(QString::fromLatin1(spec.Name))
            ->setTitle(QString::fromStdString(Data::GetText(spec.Caption)));
}
