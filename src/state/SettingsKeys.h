#pragma once

#include <QString>
#include <vector>

#include "state/SettingsStore.h"

// Names of every section and key of the settings store, with the values the first start
// and the re-initialise command write.
namespace SettingsKeys {

inline constexpr char kIcon[] = "Icontext";
inline constexpr char kAboutImage[] = "AboutImage";
inline constexpr char kCompanyInfo[] = "CompanyInfo";  // keys "1" to "9"; "1" = company name
inline constexpr char kVersion[] = "Version";
inline constexpr char kDisclaimer[] = "Disclaimer";
inline constexpr char kHome[] = "Home";
inline constexpr char kDisney[] = "Disney";                  // key "Only": "1" = family-site mode
inline constexpr char kManualBrowsing[] = "ManualBrowsing";  // key "Allowed": "1" = no typing
inline constexpr char kRestriction[] = "Restriction";        // key "Allowed": "Yes" = domain list
inline constexpr char kEMail[] = "EMail";                    // key "Selection": mail client
inline constexpr char kToolName[] = "ToolName";              // slot "0", "1", ...
inline constexpr char kToolImage[] = "ToolImage";
inline constexpr char kToolFileName[] = "ToolFileName";
inline constexpr char kButtonCount[] = "ButtonCount";  // key "Amount"
// Key "Hash": the administrator password's hash; neither the first start nor re-initialise
// clears it.
inline constexpr char kPassword[] = "Password";

inline constexpr char kFirstKey[] = "1";
inline constexpr char kOnly[] = "Only";
inline constexpr char kAllowed[] = "Allowed";
inline constexpr char kSelection[] = "Selection";
inline constexpr char kAmount[] = "Amount";
inline constexpr char kHash[] = "Hash";

// Toolbar slots that the first start and re-initialise clear: "0" to "100".
inline constexpr int kClearedToolSlots = 101;

// Marker of the first start; neither the first start nor re-initialise clears it.
inline constexpr char kInstall[] = "Install";
inline constexpr char kFirstStartDone[] = "FirstStartDone";

// The keys the first start writes, in order, all empty.
std::vector<SettingsStore::Entry> firstStartEntries();
// The same keys in the same order, with the start page reset to `problemPage`.
std::vector<SettingsStore::Entry> reinitialiseEntries(const QString& problemPage);

// Runs the first start once per user: writes the first-start values to the keys that have
// no value yet (a file the administrator prepared keeps what it holds), then the marker.
// Locked keys are never written. Returns true when it ran.
bool runFirstStartIfNeeded(SettingsStore& store);

// Writes the re-initialise values; `ButtonCount`/`Amount`, the marker and locked keys stay
// as they are.
void reinitialise(SettingsStore& store, const QString& problemPage);

}  // namespace SettingsKeys
