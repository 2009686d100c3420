#include "support/ProgramFixture.h"

#include "settings/ProgramSettings.h"

#include <QtTest>

ProgramFixture::ProgramFixture()
    : settings(configRoot.path())
    , program(platform, settings, tips.dir())
{
}

void ProgramFixture::setSetting(const QString &key, const QString &text)
{
    ProgramSettings::write(settings, key, text);
}

void ProgramFixture::createTips(const QStringList &contents, const QString &fileName)
{
    QVERIFY(tips.create(fileName));
    int verse = 1;
    for (const QString &content : contents) {
        QVERIFY(tips.addTip(943, 3, verse, verse, content, 518) > 0);
        ++verse;
    }
}

std::unique_ptr<frmTip> ProgramFixture::loadMainWindow()
{
    program.state.LangOffset = ProgramSettings::langOffset(settings);
    auto window = std::make_unique<frmTip>(program);
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}
