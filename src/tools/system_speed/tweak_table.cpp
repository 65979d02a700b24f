#include "tools/system_speed/tweak_table.h"

#include <stdexcept>

namespace halvex::tools::system_speed {
namespace {

constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKLM = RootKey::LocalMachine;
constexpr RootKey HKCR = RootKey::ClassesRoot;
constexpr KeyUse kCreated = KeyUse::Created;
constexpr KeyUse kExisting = KeyUse::Existing;

// Key paths with the letter case the system writes them in.
constexpr std::string_view kDesktop = "Control Panel\\Desktop";
constexpr std::string_view kWindowMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr std::string_view kPoliciesExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr std::string_view kPoliciesNetwork =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
constexpr std::string_view kExplorerAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced";
constexpr std::string_view kIdeController =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96A-E325-11CE-BFC1-08002BE10318}\\0000";
constexpr std::string_view kAlwaysUnloadDll =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL";
constexpr std::string_view kPrefetchParameters =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters";
constexpr std::string_view kFileSystem = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr std::string_view kOptimalLayout =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OptimalLayout";
constexpr std::string_view kBootOptimize = "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction";
constexpr std::string_view kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr std::string_view kDnsCache = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
constexpr std::string_view kRemoteNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace\\"
    "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
constexpr std::string_view kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr std::string_view kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr std::string_view kTcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr std::string_view kExplorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr std::string_view kControl = "SYSTEM\\CurrentControlSet\\Control";
constexpr std::string_view kAviClass = "CLSID\\{87D62D94-71B3-4b9a-9489-5FE6850DC73E}";
constexpr std::string_view kMemoryManagement =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr std::string_view kBios = "System\\CurrentControlSet\\Services\\VxD\\BIOS";

// What a saved key holds; the write kinds below share two of these names.
constexpr SavedAs kInteger = SavedAs::Integer;
constexpr SavedAs kText = SavedAs::Text;
constexpr SavedAs kTextAsInteger = SavedAs::TextAsInteger;
constexpr SavedAs kTextOrInteger = SavedAs::TextOrInteger;
constexpr SavedAs kEmpty = SavedAs::Empty;
using enum WriteKind;
using enum RestoreKind;

// Box 1: "Best Vision Effect".
constexpr SavedValue kSaved1[] = {{HKCU, kWindowMetrics, "MinAniMate", kTextAsInteger, kCreated}};
constexpr TweakWrite kApply1[] = {{HKCU, kWindowMetrics, kCreated, Text, "MinAniMate", "0"}};
constexpr RestoreStep kRestore1[] = {{DeleteValue, HKCU, kWindowMetrics, kCreated, "MinAniMate"}};

// Box 2: "Optimize Menu Display".
constexpr SavedValue kSaved2[] = {{HKCU, kDesktop, "MenuShowDelay", kText, kCreated}};
constexpr TweakWrite kApply2[] = {{HKCU, kDesktop, kCreated, Text, "MenuShowDelay", "400"}};
constexpr RestoreStep kRestore2[] = {{WriteText, HKCU, kDesktop, kCreated, "MenuShowDelay", 1}};

// Box 3: "Disable Recent File".
constexpr SavedValue kSaved3[] = {
    {HKCU, kPoliciesExplorer, "ClearRecentDocsOnExit", kInteger, kCreated}};
constexpr TweakWrite kApply3[] = {
    {HKCU, kPoliciesExplorer, kCreated, Integer, "ClearRecentDocsOnExit", {}, 1}};
constexpr RestoreStep kRestore3[] = {
    {WriteInteger, HKCU, kPoliciesExplorer, kCreated, "ClearRecentDocsOnExit", 0, {}, 0}};

// Box 4: "Close Customized Menu".
constexpr SavedValue kSaved4[] = {{HKCU, kPoliciesExplorer, "NoCommonGroups", kInteger, kCreated}};
constexpr TweakWrite kApply4[] = {
    {HKCU, kPoliciesExplorer, kCreated, Integer, "NoCommonGroups", {}, 1}};
constexpr RestoreStep kRestore4[] = {
    {WriteInteger, HKCU, kPoliciesExplorer, kCreated, "NoCommonGroups", 0, {}, 0}};

// Box 5: "Remove Shortcut Arrow".
constexpr SavedValue kSaved5[] = {{HKLM, kPoliciesExplorer, "NoResolveTrack", kInteger}};
constexpr TweakWrite kApply5[] = {
    {HKCU, kPoliciesExplorer, kCreated, Integer, "NoResolveTrack", {}, 1},
    {HKLM, kPoliciesExplorer, kCreated, Integer, "NoResolveTrack", {}, 1}};
constexpr RestoreStep kRestore5[] = {
    {WriteInteger, HKCU, kPoliciesExplorer, kCreated, "NoResolveTrack", 1},
    {WriteInteger, HKLM, kPoliciesExplorer, kCreated, "NoResolveTrack", 1}};

// Box 6: "Multi-page in START".
constexpr SavedValue kSaved6[] = {{HKLM, kExplorerAdvanced, "StartMenuScrollPrograms", kText}};
constexpr TweakWrite kApply6[] = {
    {HKLM, kExplorerAdvanced, kCreated, Text, "StartMenuScrollPrograms", "false"}};
constexpr RestoreStep kRestore6[] = {
    {DeleteValue, HKLM, kExplorerAdvanced, kCreated, "StartMenuScrollPrograms"}};

// Box 7: "Enable Hardware Optimization".
constexpr SavedValue kSaved7[] = {{HKLM, kIdeController, "EnableUDMA66", kInteger}};
constexpr TweakWrite kApply7[] = {
    {HKLM, kIdeController, kExisting, Integer, "EnableUDMA66", {}, 1}};
constexpr RestoreStep kRestore7[] = {
    {WriteInteger, HKLM, kIdeController, kExisting, "EnableUDMA66", 0, {}, 0}};

// Box 8: "Auto Release .DLL".
constexpr SavedValue kSaved8[] = {{HKLM, kAlwaysUnloadDll, "", kText}};
constexpr TweakWrite kApply8[] = {{HKLM, kAlwaysUnloadDll, kCreated, Text, "", "1"}};
constexpr RestoreStep kRestore8[] = {{WriteText, HKLM, kAlwaysUnloadDll, kCreated, "", 1}};

// Box 9: "Manage the Windows Prefetcher Service".
constexpr SavedValue kSaved9[] = {{HKLM, kPrefetchParameters, "EnablePrefetcher", kInteger}};
constexpr TweakWrite kApply9[] = {
    {HKLM, kPrefetchParameters, kCreated, Integer, "EnablePrefetcher", {}, 1}};
constexpr RestoreStep kRestore9[] = {
    {WriteInteger, HKLM, kPrefetchParameters, kCreated, "EnablePrefetcher", 1}};

// Box 10: "Optimize NTFS Volume"; older files hold no restore for it.
constexpr SavedValue kSaved10[] = {{HKLM, kFileSystem, "NtfsDisableLastAccessUpdate", kInteger}};
constexpr TweakWrite kApply10[] = {
    {HKLM, kFileSystem, kExisting, Integer, "NtfsDisableLastAccessUpdate", {}, 1}};

// Box 11: "Auto Optimize Disk".
constexpr SavedValue kSaved11[] = {{HKLM, kOptimalLayout, "EnableAutoLayout", kInteger}};
constexpr TweakWrite kApply11[] = {
    {HKLM, kOptimalLayout, kCreated, Integer, "EnableAutoLayout", {}, 1}};
constexpr RestoreStep kRestore11[] = {
    {WriteInteger, HKLM, kOptimalLayout, kCreated, "EnableAutoLayout", 1}};

// Box 12: "Automatic Boot Disk Optimization".
constexpr SavedValue kSaved12[] = {{HKLM, kBootOptimize, "Enable", kText}};
constexpr TweakWrite kApply12[] = {{HKLM, kBootOptimize, kCreated, Text, "Enable", "N"}};
constexpr RestoreStep kRestore12[] = {{WriteText, HKLM, kBootOptimize, kCreated, "Enable", 1}};

// Box 14: "Disable Net Access To Floppy".
constexpr SavedValue kSaved14[] = {{HKLM, kWinlogon, "AllocateFloppies", kTextAsInteger}};
constexpr TweakWrite kApply14[] = {{HKLM, kWinlogon, kExisting, Text, "AllocateFloppies", "1"}};
constexpr RestoreStep kRestore14[] = {
    {WriteText, HKLM, kWinlogon, kExisting, "AllocateFloppies", 0, "0"}};

// Box 15: "Optimize Net Cache Speed": a missing value is written with its new value before it
// is read.
constexpr SavedValue kSaved15[] = {
    {HKLM, kDnsCache, "CacheHashTableBucketSize", kInteger, kCreated, true, 1},
    {HKLM, kDnsCache, "CacheHashTableSize", kInteger, kCreated, true, 384},
    {HKLM, kDnsCache, "MaxCacheEntryTtlLimit", kInteger, kCreated, true, 64000},
    {HKLM, kDnsCache, "MaxSOACacheEntryTtlLimit", kInteger, kCreated, true, 301}};
constexpr TweakWrite kApply15[] = {
    {HKLM, kRemoteNameSpace, kCreated, KeyOnly},
    {HKLM, kDnsCache, kCreated, Integer, "CacheHashTableBucketSize", {}, 1},
    {HKLM, kDnsCache, kCreated, Integer, "CacheHashTableSize", {}, 384},
    {HKLM, kDnsCache, kCreated, Integer, "MaxCacheEntryTtlLimit", {}, 64000},
    {HKLM, kDnsCache, kCreated, Integer, "MaxSOACacheEntryTtlLimit", {}, 301}};
constexpr RestoreStep kRestore15[] = {
    {DeleteKeyTree, HKLM, kRemoteNameSpace, kExisting},
    {WriteInteger, HKLM, kDnsCache, kCreated, "CacheHashTableBucketSize", 1},
    {WriteInteger, HKLM, kDnsCache, kCreated, "CacheHashTableSize", 2},
    {WriteInteger, HKLM, kDnsCache, kCreated, "MaxCacheEntryTtlLimit", 3},
    {WriteInteger, HKLM, kDnsCache, kCreated, "MaxSOACacheEntryTtlLimit", 4}};

// Box 16: "IE Multi-thread Download".
constexpr SavedValue kSaved16[] = {{HKLM, kInternetSettings, "MaxConnectionsPerServer", kInteger}};
constexpr TweakWrite kApply16[] = {
    {HKLM, kInternetSettings, kExisting, Integer, "MaxConnectionsPerServer", {}, 5}};
constexpr RestoreStep kRestore16[] = {
    {WriteInteger, HKLM, kInternetSettings, kExisting, "MaxConnectionsPerServer", 0, {}, 1}};

// Box 17: "Optimize ADSL/Cable parameter"; older files hold no restore for it.
constexpr SavedValue kSaved17[] = {{HKLM, kMstcp, "DefaultRcvWindow", kText},
                                   {HKLM, kMstcp, "DefaultTTL", kText}};
constexpr TweakWrite kApply17[] = {{HKLM, kMstcp, kCreated, Text, "DefaultRcvWindow", "4288"},
                                   {HKLM, kMstcp, kCreated, Text, "DefaultTTL", "128"}};

// Box 18: "Enhance Modem Performance"; older files hold no restore for it.
constexpr SavedValue kSaved18[] = {{HKLM, kTcpip, "EnablePMTUDiscovery", kInteger}};
constexpr TweakWrite kApply18[] = {
    {HKLM, kTcpip, kExisting, Integer, "EnablePMTUDiscovery", {}, 1}};

// Box 19: "Close Mini-map Memory"; older files hold no restore for it.
constexpr SavedValue kSaved19[] = {{HKCU, kPoliciesExplorer, "NoThumbnailCache", kInteger}};
constexpr TweakWrite kApply19[] = {
    {HKCU, kPoliciesExplorer, kExisting, Integer, "NoThumbnailCache", {}, 1}};

// Box 20: "Unresponsive Program".
constexpr SavedValue kSaved20[] = {{HKCU, kDesktop, "AutoEndTasks", kText, kCreated},
                                   {HKCU, kDesktop, "HungAppTimeout", kText, kCreated},
                                   {HKCU, kDesktop, "WaitToKillAppTimeout", kText, kCreated}};
constexpr TweakWrite kApply20[] = {
    {HKCU, kDesktop, kCreated, Text, "AutoEndTasks", "1"},
    {HKCU, kDesktop, kCreated, Text, "HungAppTimeout", "200"},
    {HKCU, kDesktop, kCreated, Text, "WaitToKillAppTimeout", "1000"}};
constexpr RestoreStep kRestore20[] = {
    {WriteText, HKCU, kDesktop, kCreated, "AutoEndTasks", 1},
    {WriteText, HKCU, kDesktop, kCreated, "HungAppTimeout", 2},
    {WriteText, HKCU, kDesktop, kCreated, "WaitToKillAppTimeout", 3}};

// Box 21: "Quit Without Auto Saving".
constexpr SavedValue kSaved21[] = {{HKCU, kPoliciesExplorer, "NoSaveSettings", kInteger}};
constexpr TweakWrite kApply21[] = {
    {HKCU, kPoliciesExplorer, kExisting, Integer, "NoSaveSettings", {}, 1}};
constexpr RestoreStep kRestore21[] = {
    {WriteInteger, HKCU, kPoliciesExplorer, kExisting, "NoSaveSettings", 0, {}, 0}};

// Box 22: "Hide Shared Documents".
constexpr SavedValue kSaved22[] = {{HKCU, kPoliciesNetwork, "NoFileSharingControl", kInteger}};
constexpr TweakWrite kApply22[] = {
    {HKCU, kPoliciesNetwork, kExisting, Integer, "NoFileSharingControl", {}, 1}};
constexpr RestoreStep kRestore22[] = {
    {WriteInteger, HKCU, kPoliciesNetwork, kExisting, "NoFileSharingControl", 0, {}, 0}};

// Box 23: "Accelerate Start Speed". "AlwaysUnloadDLL" stored as an integer is saved as its
// decimal text and left in place.
constexpr SavedValue kSaved23[] = {
    {HKLM, kPrefetchParameters, "EnablePrefetcher", kInteger, kCreated, true, 1},
    {HKLM, kExplorer, "AlwaysUnloadDLL", kTextOrInteger}};
constexpr TweakWrite kApply23[] = {
    {HKLM, kPrefetchParameters, kCreated, Integer, "EnablePrefetcher", {}, 1},
    {HKLM, kExplorer, kCreated, Text, "AlwaysUnloadDLL", "1"}};
constexpr RestoreStep kRestore23[] = {
    {WriteInteger, HKLM, kPrefetchParameters, kCreated, "EnablePrefetcher", 1},
    {WriteText, HKLM, kExplorer, kCreated, "AlwaysUnloadDLL", 2}};

// Box 24: "Accelerate Turn Off Speed".
constexpr SavedValue kSaved24[] = {{HKLM, kControl, "WaitToKillServiceTimeout", kText}};
constexpr TweakWrite kApply24[] = {
    {HKLM, kControl, kCreated, Text, "WaitToKillServiceTimeout", "500"}};
constexpr RestoreStep kRestore24[] = {
    {WriteText, HKLM, kControl, kCreated, "WaitToKillServiceTimeout", 1}};

// Box 25: "Optimize AVI Media Files". Older files remove the whole class key.
constexpr SavedValue kSaved25[] = {{HKCR, kAviClass, "", kEmpty}};
constexpr TweakWrite kApply25[] = {{HKCR, kAviClass, kCreated, Integer, "LargeSystemCache", {}, 1}};
constexpr RestoreStep kRestore25[] = {{DeleteKeyTree, HKCR, kAviClass, kExisting}};

// Box 26: "Fix Problem with Athlon Hanging AGP Programs".
constexpr SavedValue kSaved26[] = {{HKLM, kMemoryManagement, "LargePageMinimum", kInteger}};
constexpr TweakWrite kApply26[] = {
    {HKLM, kMemoryManagement, kCreated, Integer, "LargePageMinimum", {}, 0xFFFFFFFFu}};
constexpr RestoreStep kRestore26[] = {
    {WriteInteger, HKLM, kMemoryManagement, kCreated, "LargePageMinimum", 1}};

// Box 27: "System Board and Memory Optimizations"; box 13 carries it out as well.
constexpr SavedValue kSaved27[] = {{HKLM, kBios, "PCIConcur", kInteger},
                                   {HKLM, kBios, "FastDRAM", kInteger},
                                   {HKLM, kBios, "AGPConcur", kInteger}};
constexpr TweakWrite kApply27[] = {{HKLM, kBios, kExisting, Integer, "PCIConcur", {}, 1},
                                   {HKLM, kBios, kExisting, Integer, "FastDRAM", {}, 1},
                                   {HKLM, kBios, kExisting, Integer, "AGPConcur", {}, 1}};
constexpr RestoreStep kRestore27[] = {{WriteInteger, HKLM, kBios, kExisting, "PCIConcur", 1},
                                      {WriteInteger, HKLM, kBios, kExisting, "FastDRAM", 2},
                                      {WriteInteger, HKLM, kBios, kExisting, "AGPConcur", 3}};

constexpr std::string_view kBoardSection = "System Board and Memory Optimizations";
constexpr std::string_view kBoardDescription =
    "Enlarg file system memory, boosting applications' running speed";

// "\x92" is the right single quotation mark of the system code page.
const std::array<Tweak, kTweakCount> kTweaks{{
    {1, "Best Vision Effect", "Best Vision Effect",
     "In default settings, Windows XP opens all visual effect options to enhance visual effect. "
     "These visual effects would be fatal to reduce system performance, especially in low "
     "configuration computers. The temporary deadlock phenomenon when open programs is always "
     "caused by this issue. You could change these visual effect options from Visual Effect Bar. ",
     kSaved1, kApply1, kRestore1},
    {2, "Optimize Menu Display", "Quicken menu display speed",
     "Optimization of Start Menu is able to accelerate all menus\x92 speed. ", kSaved2, kApply2,
     kRestore2},
    {3, "Disable Recent File", "Disable Recent File",
     "Disable the recently opened files to be list in application menu", kSaved3, kApply3,
     kRestore3},
    {4, "Close Customized Menu", "Close Customized Menu",
     "Windows XP will automatically move the recently used menus to the top of Start Menu, and "
     "hide recently unused menus, in order to realize customized menu for user. If you would like "
     "to ban this trig of Windows XP, you could close it from settings. ",
     kSaved4, kApply4, kRestore4},
    {5, "Remove Shortcut Arrow", "Disable Tracking of Broken Shortcut Links",
     "Remove the arrow from desktop shortcut icon. When you installed some software, "
     "corresponding desktop shortcut icons are always created on desktop to make start software "
     "more convenient, but the black arrow makes the whole desktop look ugly.  ",
     kSaved5, kApply5, kRestore5},
    {6, "Multi-page in START", "Multi-page in START",
     "When program contains too many menus, one page is not enough to display them. This function "
     "is able to display menus on multi-pages.",
     kSaved6, kApply6, kRestore6},
    {7, "Enable Hardware Optimization", "Enable Hardware Optimization",
     "Enable CPU secondary cache, and accelerate core system processes speed", kSaved7, kApply7,
     kRestore7},
    {8, "Auto Release .DLL", "Force Windows to Unload DLLs from Memory",
     "Too many applications would reduce system resource. Even after you close some "
     "applications, some junk .dll files are still existed in memory, causing system run slowly. ",
     kSaved8, kApply8, kRestore8},
    {9, "Manage the Windows Prefetcher Service", "Optimize the Windows Prefetcher Service",
     "Adjust the allocation of memory usage, boosting system running", kSaved9, kApply9, kRestore9},
    {10,
     "Optimize NTFS Volume",
     "Optimize NTFS Volume",
     "Optimize NTFS file system's performance, boosting visit speed of disk and file",
     kSaved10,
     kApply10,
     {}},
    {11, "Auto Optimize Disk", "Optimize Hard Disk When Idle",
     "Automatically optimize hard disk when system is idle.", kSaved11, kApply11, kRestore11},
    {12, "Automatic Boot Disk Optimization", "Automatic Boot Disk Optimization",
     "Disable disk defragmentation when Windows starts up, boosting Windows start up speed",
     kSaved12, kApply12, kRestore12},
    // Box 13 "Disable Default Share" has no change of its own: it carries out box 27's.
    {13, "Disable Default Share", kBoardSection,
     "To prevent virus invade network, we must strictly manage the input device of computer, so "
     "it is necessary to forbid visiting floppy disk from network",
     kSaved27, kApply27, kRestore27},
    {14, "Disable Net Access To Floppy", "Disable Net Access To Floppy", "", kSaved14, kApply14,
     kRestore14},
    {15, "Optimize Net Cache Speed", "Optimize network speed",
     "Accelerate browsing and download speed through network virtual memory. ", kSaved15, kApply15,
     kRestore15},
    {16, "IE Multi-thread Download", "IE Multi-thread Download",
     "The best thread number of IE maximal synchronous downloads is between 5 and 8. This "
     "function is mainly used to fix IE multi-thread download issue.",
     kSaved16, kApply16, kRestore16},
    {17,
     "Optimize ADSL/Cable parameter",
     "Optimize the DefaultTTL Settings",
     "In default settings, NT send data to remote host by Maximum Transmission Unit (size about "
     "576B). If the router that data pass by is unable to process such size of data package, it "
     "is common to divide the data package into several fragments to continue transfer, and this "
     "method always causes some data transfer problems, such as reducing TCP transfer performance "
     "and network jam. To deal with this issue, it is acceptable to modify registry, forcing NT "
     "search all connections for each connection\x92s maximal size of MTU. By confining TCP data "
     "package size under the MTU size of one connection, the number of fragments of data package "
     "in this connection would be reduced obviously. ",
     kSaved17,
     kApply17,
     {}},
    {18,
     "Enhance Modem Performance",
     "Enhance Modem Performance",
     "Accelerate browsing and download speed through network virtual memory.",
     kSaved18,
     kApply18,
     {}},
    {19,
     "Close Mini-map Memory",
     "Close Mini-map Memory",
     "Windows XP/2003 has the function of viewing pictures by thumbnails model, making user "
     "sketchily view the all pictures in one glance. In default settings, system stores these "
     "displayed thumbnail pictures in memory and disk, in order to enhance the display speed of "
     "next time view. But this setting will take up some memory spaces, and slow system in some "
     "aspects. Users could disable this setting if they don\x92t need it.",
     kSaved19,
     kApply19,
     {}},
    {20, "Unresponsive Program", "Optimize the system to the wrong handle", "", kSaved20, kApply20,
     kRestore20},
    {21, "Quit Without Auto Saving", "Quit Without Auto Saving",
     "Configure settings that make system exit without saving opened windows\x92 location and "
     "size, but still remain the position order of desktop icon and Start Menu. ",
     kSaved21, kApply21, kRestore21},
    {22, "Hide Shared Documents", "Hide Shared Documents",
     "Hide the shared documents in Windows XP computer. ", kSaved22, kApply22, kRestore22},
    {23, "Accelerate Start Speed", "Machine speed is opened in the optimization",
     "Windows XP pre-read memory setting could speed up system running and Windows start up. ",
     kSaved23, kApply23, kRestore23},
    {24, "Accelerate Turn Off Speed", "Optimization shutdown speed",
     "Reduce the time of PC close process.", kSaved24, kApply24, kRestore24},
    {25, "Optimize AVI Media Files", "Optimize AVI Media Files",
     "Optimize AVI media file, smoothing the media playing process.", kSaved25, kApply25,
     kRestore25},
    {26, "Fix Problem with Athlon Hanging AGP Programs",
     "Fix Problem with Athlon Hanging AGP Programs",
     "Correct the incompatible issue between AGP Video card and Operation System", kSaved26,
     kApply26, kRestore26},
    {27, "System Board and Memory Optimizations", kBoardSection, kBoardDescription, kSaved27,
     kApply27, kRestore27},
}};

constexpr std::string_view kRestoreOrder[] = {
    "Machine speed is opened in the optimization",
    "Optimization shutdown speed",
    "Optimize network speed",
    "Quicken menu display speed",
    "Optimize the system to the wrong handle",
    "Optimize Hard Disk When Idle",
    "Automatic Boot Disk Optimization",
    "Optimize the Windows Prefetcher Service",
    "Force Windows to Unload DLLs from Memory",
    "Fix Problem with Athlon Hanging AGP Programs",
    "Disable Tracking of Broken Shortcut Links",
    "Optimize the DefaultTTL Settings",
    "System Board and Memory Optimizations",
    "Optimize AVI Media Files",
    "Best Vision Effect",
    "Disable Recent File",
    "Close Customized Menu",
    "Multi-page in START",
    "Enable Hardware Optimization",
    "Optimize NTFS Volume",
    "IE Multi-thread Download",
    "Disable Net Access To Floppy",
    "Enhance Modem Performance",
    "Quit Without Auto Saving",
    "Hide Shared Documents",
    "Close Mini-map Memory",
};

// Which boxes each model ticks, box 1 first; rows are models 1 to 5.
constexpr std::string_view kPresets[] = {
    // box 1 ........ 10 ....... 20 ..... 27
    "100011010010110000110011000",  // 1 Office
    "100011110010110000110011110",  // 2 Notebook
    "110011010010111111110011100",  // 3 Home
    "110011010010111111111011100",  // 4 Internet Cafe
    "110011010010111111111011100",  // 5 Campus
};

}  // namespace

const std::array<Tweak, kTweakCount>& TweakTable() {
  return kTweaks;
}

const Tweak& TweakOfBox(int box) {
  if (box < 1 || box > kTweakCount) throw std::out_of_range("no tweak box");
  return kTweaks[static_cast<std::size_t>(box - 1)];
}

std::span<const std::string_view> RestoreOrder() {
  return kRestoreOrder;
}

void PresetTweaks(int model, TweakBoxes& boxes) {
  if (model == 6) boxes.fill(false);
  if (model < 1 || model > 5) return;
  const std::string_view ticks = kPresets[static_cast<std::size_t>(model - 1)];
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = ticks[i] == '1';
}

}  // namespace halvex::tools::system_speed
