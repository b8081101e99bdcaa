// Quelmor: the desktop game.
#include <QApplication>
#include <QIcon>
#include <unistd.h>

#include "platform/SdlServices.h"
#include "setup/frmBegin.h"
#include "ui/Ui.h"
#include "view/Pictures.h"
#include "view/QtHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Quelmor");
    // Pictures, music and sounds load by bare name from the game's own folder.
    std::string folder = ProgramFolder();
    if (chdir(folder.c_str()) != 0) folder = ".";
    pictures::SetFolder(folder);
    app.setWindowIcon(QIcon(pictures::Get("quelmor.ico")));

    SdlServices services(folder);
    Ui::Get().SetServices(&services);
    QtHost host(1);
    Ui::Get().SetHost(&host);
    OpenTitleScreen();
    int status = app.exec();
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    Ui::Get().SetHost(nullptr);
    Ui::Get().SetServices(nullptr);
    return status;
}
