// What the program remembers between runs: one object over QSettings, made in main()
// and handed to the windows by reference. A missing, unreadable or damaged file gives
// the defaults; a value of the wrong kind or out of range counts as missing.
//
// To remember something new: pick a key ("Group/name"), read it with intValue() or
// stringValue() giving its default and range, write it with setInt() or setString(),
// and add a typed pair of accessors here when more than one window uses it.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <climits>
#include <memory>
#include <optional>

#include "core/base/units.h"
#include "ui/common/language.h"

class QSettings;

class Settings {
  public:
    // The user's settings file in the user's configuration folder, named after the
    // application's organisation and application names (set in main()).
    Settings();
    // A settings file of the given path (tests point it at a scratch folder).
    explicit Settings(const QString& filePath);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString fileName() const;
    // Writes pending changes now; they are otherwise written from the event loop and
    // when the object ends.
    void sync();

    // Generic values. A missing key, a text that is no integer or an integer outside
    // min..max gives the default.
    int intValue(const QString& key, int defaultValue, int min = INT_MIN, int max = INT_MAX) const;
    QString stringValue(const QString& key, const QString& defaultValue = QString()) const;
    void setInt(const QString& key, int value);
    void setString(const QString& key, const QString& value);
    void remove(const QString& key);

    // The unit of moments and stresses on screen.
    torsion::UnitSystem unitSystem() const;
    void setUnitSystem(torsion::UnitSystem unit);

    // The case file read or saved last (folder and name); empty when none.
    QString lastCaseFile() const;
    void setLastCaseFile(const QString& path);

    // The recent case files, newest first, at most torsion::kMaxRecentFiles.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);

    // The tolerance grade (1..3) of the characteristic page; 2 when none was stored.
    int toleranceGrade() const;
    void setToleranceGrade(int grade);

    // The language chosen in the menu "言語 / Language"; none when the locale decides.
    std::optional<Language> language() const;
    void setLanguage(Language language);

    // The main window's position (its frame's top left), if one was stored.
    std::optional<QPoint> windowPosition() const;
    void setWindowPosition(const QPoint& position);

  private:
    std::unique_ptr<QSettings> store_;
};
