#include "StartNotices.h"

#include <QDir>

#include "MessageBox.h"
#include "Unit1.h"
#include "settings/OptionString.h"

i18n::Language StartLanguage(const QString &folder)
{
    const QString options = folder.isEmpty()
                                ? settings::DefaultOptionString
                                : settings::ReadOptionString(QDir(folder).filePath(settings::OptionsFileName)).options;
    return settings::OptionAt(options, 4) == u'1' ? i18n::English : i18n::Russian;
}

void ShowReadOnlyFolderNotice(TForm1 &form, MessageBox &box, const QString &folder)
{
    box.error(&form, i18n::ErrorTitle(form.UiLanguage), i18n::ReadOnlyFolderMessage(form.UiLanguage, folder));
}
