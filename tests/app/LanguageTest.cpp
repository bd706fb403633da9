#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include "app/AppTestWindow.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/pages/GeneralPage.h"
#include "app/state/Language.h"
#include "app/state/WindowSettings.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/table/DiveTableModel.h"
#include "logbook/Translation.h"

namespace scrb {
namespace {

using test::LogbookFile;

TEST(Language, FromTheEnvironmentAsGettextReadsIt) {
  struct Case {
    const char *language, *lcAll, *lcMessages, *lang, *expected;
  };
  const Case cases[] = {
      {"", "", "", "", "en"},
      {"", "", "", "de_CH.UTF-8", "de"},
      {"", "", "", "fr_FR.UTF-8@euro", "fr"},
      {"", "", "it_IT.UTF-8", "de_DE.UTF-8", "it"},       // LC_MESSAGES before LANG
      {"", "fr_BE.UTF-8", "it_IT.UTF-8", "de_DE", "fr"},  // LC_ALL before both
      {"", "", "", "es_ES.UTF-8", "en"},                  // a language the window does not speak
      {"", "", "", "C.UTF-8", "en"},
      {"", "POSIX", "", "de_DE.UTF-8", "en"},
      {"it:de", "", "", "fr_FR.UTF-8", "it"},        // LANGUAGE's first entry wins
      {"es:pt_BR:de", "", "", "fr_FR.UTF-8", "de"},  // ... the first one spoken
      {"es", "", "", "fr_FR.UTF-8", "fr"},           // none spoken: the locale decides
      {"de", "C", "", "", "en"},                     // LANGUAGE does not count under C
      {"en_GB:de", "", "", "de_DE.UTF-8", "en"},
      {"DE_de", "", "", "", "de"},
      {"::", "", "", "", "en"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageFromEnvironment(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
        << c.language << "|" << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
  }
  // Windows sets none of the variables: its display languages decide, the first one spoken.
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "", {"es-ES", "fr-FR", "de-DE"}), "fr");
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "", {"de-AT"}), "de");
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "", {"ja-JP"}), "en");
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "it_IT.UTF-8", {"de-DE"}), "it");
  // The setting wins when it names a language; "" and anything else follow the desktop.
  EXPECT_EQ(ChosenLanguage("fr", "de"), "fr");
  EXPECT_EQ(ChosenLanguage("en", "it"), "en");
  EXPECT_EQ(ChosenLanguage("", "it"), "it");
  EXPECT_EQ(ChosenLanguage("Deutsch", "it"), "it");
  EXPECT_EQ(ChosenLanguage("de_DE", "fr"), "fr");
  EXPECT_EQ(ChosenLanguage("", "xx"), "en");
}

TEST(Language, FillInLetsATranslationReorderItsFigures) {
  EXPECT_EQ(FillIn("%2 of %1", {"a", "b"}), "b of a");
  EXPECT_EQ(FillIn("100 %, tissue %1", {"3"}), "100 %, tissue 3");
  EXPECT_EQ(FillIn("%1%%3", {"x"}), "x%%3");  // no value for %3: it stays
  EXPECT_EQ(FillIn("%1", {"%2"}), "%2");      // values are not read again
}

// Menu titles, entries, pages and buttons, each menu's entries in a map of their own: in every
// language each has an Alt key and no map uses one twice.
void ExpectAltKeysOnceEach(MainWindow& form) {
  QList<QStringList> maps(1);
  for (QAction* menu : form.menuBar()->actions()) {
    maps.front() << menu->text();
    maps.append(QStringList());
    for (QAction* entry : menu->menu()->actions())
      if (!entry->isSeparator()) maps.back() << entry->text();
  }
  for (int page = 0; page < MainWindow::kPageCount; ++page)
    maps.front() << DiveTab(form)->tabText(page);
  // The statistics window has Alt keys of its own.
  for (QPushButton* button : form.findChildren<QPushButton*>()) {
    if (button->window() == &form) maps.front() << button->text();
  }
  for (const QStringList& map : maps) {
    QSet<QChar> keys;
    for (const QString& text : map) {
      const qsizetype at = text.indexOf('&');
      ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << text.toStdString();
      keys.insert(text[at + 1].toLower());
    }
    EXPECT_EQ(keys.size(), map.size()) << map.join('|').toStdString();
  }
}

QString GeneralCaption(MainWindow& form, int line) {
  return static_cast<GeneralPage*>(Page(form, 0))->Caption(line)->text();
}

TEST(Language, SwitchingKeepsDivePageOrderAndSearchAndExportsStayEnglish) {
  test::TestWindow w("NoWarning=1\n");
  w.Start();
  w.form->OpenLogbook(LogbookFile("twelve.log", 12, 1, "Wollishofen"));
  DiveList(*w.form)->sortByColumn(0, Qt::DescendingOrder);
  Table(*w.form).SetSearchText("Wollishofen");
  Table(*w.form).SelectListIndex(4);
  DiveTab(*w.form)->setCurrentIndex(5);
  QApplication::processEvents();
  const QString englishStatus = w.Status();
  MenuAction(*w.form, "Copy &All Dives to clipboard")->trigger();
  const QString englishExport = QGuiApplication::clipboard()->text();
  w.form->ShowStatistics();
  StatisticsWindow& statistics = *Statistics(*w.form);

  struct Expected {
    const char *code, *tissuePage, *column, *dateCaption, *status, *trip, *statistics, *dives;
  };
  const Expected languages[] = {
      {"de", "&Gewebe", "Tauchgang", "Datum:", "12 von 12 Tauchgängen angezeigt",
       "Lake, Oktober 1998", "12 Tauchgänge", "Tauchgänge"},
      {"fr", "Sa&turation", "Plongée", "Date :", "12 plongées affichées sur 12",
       "Lake, octobre 1998", "12 plongées", "Plongées"},
      {"it", "&Tessuti", "Immersione", "Data:", "12 di 12 immersioni mostrate",
       "Lake, ottobre 1998", "12 immersioni", "Immersioni"},
      {"en", "&Tissue Sat", "Dive", "Date:", "12 of 12 dives shown", "Lake, October 1998",
       "12 dives", "Dives"},
  };
  for (const Expected& e : languages) {
    w.state->SetLanguage(e.code);
    QApplication::processEvents();
    EXPECT_EQ(w.state->Language(), e.code);
    EXPECT_EQ(w.Saved(settings::kLanguage), e.code);
    EXPECT_EQ(Table(*w.form).ListIndex(), 4) << e.code;
    EXPECT_EQ(DiveTab(*w.form)->currentIndex(), 5) << e.code;
    // The pages are made anew and show the dive at once.
    EXPECT_FALSE(Page(*w.form, 5)->findChild<QLabel*>("ModelLabel")->text().isEmpty()) << e.code;
    EXPECT_EQ(DiveTab(*w.form)->tabText(5), e.tissuePage);
    EXPECT_EQ(Table(*w.form).SearchText(), "Wollishofen");
    EXPECT_EQ(DiveList(*w.form)->horizontalHeader()->sortIndicatorSection(), 0);
    EXPECT_EQ(DiveList(*w.form)->model()->headerData(0, Qt::Horizontal).toString(), e.column);
    EXPECT_EQ(GeneralCaption(*w.form, 0), e.dateCaption);
    EXPECT_EQ(TableModel(*w.form)->Table().Cell(0, TableColumn::Trip).Text, e.trip);
    EXPECT_EQ(w.Status(), e.status);
    test::WaitForStatistics(statistics);
    EXPECT_EQ(statistics.windowTitle(), e.statistics);
    auto* groups = statistics.findChild<QTableView*>("GroupTable");
    ASSERT_GT(groups->model()->columnCount(), 1);
    EXPECT_EQ(groups->model()->headerData(1, Qt::Horizontal).toString(), e.dives);
    // Widths are worked out anew for the new texts: no title, heading or choice is cut.
    QApplication::processEvents();
    for (QHeaderView* header :
         {groups->horizontalHeader(), DiveList(*w.form)->horizontalHeader()}) {
      for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) continue;
        EXPECT_GE(header->sectionSize(section), header->sectionSizeHint(section))
            << e.code << " "
            << header->model()->headerData(section, Qt::Horizontal).toString().toStdString();
      }
    }
    QComboBox* grouping = statistics.Grouping();
    for (int i = 0; i < grouping->count(); ++i) {
      EXPECT_GE(grouping->width(), grouping->fontMetrics().horizontalAdvance(grouping->itemText(i)))
          << e.code << " " << grouping->itemText(i).toStdString();
    }
    EXPECT_EQ(Table(*w.form).ListCount(), 12);
    ExpectAltKeysOnceEach(*w.form);
    MenuAction(*w.form, "Copy &All Dives to clipboard")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), englishExport) << e.code;
  }
  EXPECT_EQ(w.Status(), englishStatus);
  // Qt's own dialogs follow, from Debian's translations of Qt where they are installed.
  w.state->SetLanguage("de");
  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  }
  w.state->SetLanguage("en");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  // Back to the desktop's language, English in the tests; an unknown value means the same.
  w.state->SetLanguage("de");
  w.state->SetLanguage("klingon");
  EXPECT_EQ(w.state->Language(), "en");
  EXPECT_EQ(w.Saved(settings::kLanguage), "klingon");
}

TEST(Language, TheSavedLanguageIsSpokenFromTheStartAndPreferencesChangeIt) {
  test::TestWindow w("NoWarning=1\nLanguage=it\nUnits=imperial\n");
  w.Start();
  EXPECT_EQ(w.state->Language(), "it");
  EXPECT_EQ(w.state->Units(), UnitSystem::Imperial);
  EXPECT_EQ(w.form->menuBar()->actions().front()->text(), "&File");
  EXPECT_EQ(w.form->menuBar()->actions().at(1)->text(), "&Modifica");
  const auto answer = [](int language, int units, const char* button) {
    QTimer::singleShot(0, [=] {
      auto* dialog = qobject_cast<PreferencesDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->LanguageBox()->setCurrentIndex(language);
      dialog->UnitsBox()->setCurrentIndex(units);
      dialog->findChild<QPushButton*>(button)->click();
    });
  };
  answer(2, 0, "CancelButton");  // nothing changes
  w.form->ShowPreferences();
  EXPECT_EQ(w.state->Language(), "it");
  EXPECT_EQ(w.Saved(settings::kUnits), "imperial");
  answer(2, 0, "OkButton");  // Deutsch, metric
  w.form->ShowPreferences();
  EXPECT_EQ(w.state->Language(), "de");
  EXPECT_EQ(w.Saved(settings::kLanguage), "de");
  EXPECT_EQ(w.state->Units(), UnitSystem::Metric);
  EXPECT_EQ(w.Saved(settings::kUnits), "metric");
  EXPECT_EQ(w.form->menuBar()->actions().at(1)->text(), "&Bearbeiten");
  answer(0, 1, "OkButton");  // System, imperial
  w.form->ShowPreferences();
  EXPECT_EQ(w.state->Language(), "en");
  EXPECT_EQ(w.Saved(settings::kLanguage), "");
  EXPECT_EQ(w.Saved(settings::kUnits), "imperial");
}

// The catalogues, read as lrelease reads them: (context, source) -> translation, with
// unfinished, obsolete or empty translations counted apart.
struct Catalogue {
  QMap<QPair<QString, QString>, QString> Messages;
  QStringList Unfinished;
};

Catalogue ReadCatalogue(const QString& path) {
  Catalogue catalogue;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"source") {
      source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (!type.isEmpty() || text.isEmpty()) catalogue.Unfinished << context + ": " + source;
      catalogue.Messages[{context, source}] = text;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return catalogue;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression("%[1-9]").globalMatch(text))
    found << match.captured();
  found.sort();
  return found;
}

QString SourceDir() {
  return QString::fromLocal8Bit(qgetenv("BATHYSCRIBE_SOURCE_DIR"));
}

TEST(Catalogues, EveryTextTranslatedWithItsPlaceholdersAndAltKey) {
  for (const char* language : {"de", "fr", "it"}) {
    const Catalogue catalogue =
        ReadCatalogue(SourceDir() + QString("/translations/bathyscribe_%1.ts").arg(language));
    EXPECT_GT(catalogue.Messages.size(), 300) << language;
    EXPECT_EQ(catalogue.Unfinished.join('\n').toStdString(), "") << language;
    for (auto it = catalogue.Messages.begin(); it != catalogue.Messages.end(); ++it) {
      const QString& source = it.key().second;
      const QString& translation = it.value();
      const std::string where =
          std::string(language) + " " + it.key().first.toStdString() + ": " + source.toStdString();
      EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where;
      // A caption with an Alt key keeps one; a file filter or a sentence does not gain one.
      EXPECT_EQ(translation.count('&'), source.count('&')) << where;
      // Figures keep their point decimal: "1.013", never "1,013".
      if (source.contains("1.013")) {
        EXPECT_TRUE(translation.contains("1.013")) << where;
      }
    }
  }
}

// The catalogues hold every text the sources mark, and nothing the sources no longer have:
// lupdate run over src/ into a copy must find them complete as they are.
TEST(Catalogues, UpToDateWithTheSources) {
#ifdef _WIN32
  GTEST_SKIP() << "lupdate is a program of the Linux machine that cross-built this one; the "
                  "Linux build's run checks the same catalogues";
#endif
  const QString lupdate = BATHYSCRIBE_LUPDATE;
  if (!QFile::exists(lupdate)) GTEST_SKIP() << "lupdate is not installed";
  QTemporaryDir folder;
  const QString copy = folder.filePath("bathyscribe_de.ts");
  ASSERT_TRUE(QFile::copy(SourceDir() + "/translations/bathyscribe_de.ts", copy));
  QProcess run;
  run.setWorkingDirectory(SourceDir());
  run.start(lupdate, {"-silent", "-locations", "none", "-extensions", "cpp,h", "-tr-function-alias",
                      "translate+=Tr,QT_TRANSLATE_NOOP+=SCRB_TRANSLATE_NOOP", "src", "-ts", copy});
  ASSERT_TRUE(run.waitForFinished(120000));
  ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
  const Catalogue updated = ReadCatalogue(copy);
  const Catalogue committed = ReadCatalogue(SourceDir() + "/translations/bathyscribe_de.ts");
  // New texts come in unfinished, texts gone from the sources turn obsolete: either shows.
  EXPECT_EQ(updated.Unfinished.join('\n').toStdString(), "");
  EXPECT_EQ(updated.Messages.keys(), committed.Messages.keys());
}

}  // namespace
}  // namespace scrb
