#include "tools/system_speed/service_table.h"

namespace halvex::tools::system_speed {
namespace {

const std::array<ServiceBox, kServiceBoxCount> kServices{{
    {1, "Enalbe Event Viewer", "Eventlog",
     "Enables event log messages issued by Windows-based programs and components to be viewed "
     "inEvent Viewer. This service cannot be stopped."},
    {2, "Enable infrared device support", "WZCSVC",
     "Support the infrared device on this computer and examine the infrared port."},
    {3, "Enable remote registry operation service", "Irmon",
     "Enables remote users to modify registry settings on this computer. If this service "
     "isstopped, the registry can be modified only by users on this computer. If this service "
     "isdisabled, any services that explicitly depend on it will fail to start."},
    {4, "Enable printer support", "Spooler", "Loads files to memory for later printing."},
    {5, "Open wireless network support function", "WZCSVC",
     "Provides automatic configuration for the 802.11 adapters"},
    {6, "Enable My Network Place browsing service", "Browser",
     "Maintains an updated list of computers on the network and supplies this list to computers "
     "designated as browsers. If this service is stopped, this list will not be updated or "
     "maintained. If this service is disabled, any services that explicitly depend on it will "
     "fail to start."},
    {7, "Enable Windows XP integrated firewall", "ALG",
     "Provides support for 3rd party protocol plug-ins for Internet Connection Sharing and the "
     "Windows Firewall."},
    {8, "Enable Windows XP writable function", "ImapiService",
     "Manages CD recording using Image Mastering Applications Programming Interface (IMAPI). "
     "Ifthis service is stopped, this computer will be unable to record CDs. If this service is "
     "disabled, any services that explicitly depend on it will fail to start."},
    {9, "Enable automatic update function", "wuauserv",
     "Enables the download and installation of Windows updates. If this service is disabled, this "
     "computer will not be able to use the Automatic Updates feature or the Windows Update Web "
     "site."},
    {10, "Enable system restoration function", "srservice",
     "Performs system restore functions. To stop service, turn off System Restore from the System "
     "Restore tab in My Computer->Properties"},
    {11, "Enable notification for AutoPlay hardware events", "ShellHWDetection",
     "Provides notifications for AutoPlay hardware events."},
    {12, "Enable remote assistance and terminal", "mnmsrvc",
     "Enables Windows-based programs to create, access, and modify Internet-based files. If this "
     "service is stopped, these functions will not be available. If this service is disabled, any "
     "services that explicitly depend on it will fail to start."},
    {13, "Enable UPS management service", "UPS",
     "Manages an uninterruptible power supply (UPS) connected to the computer."},
    {14, "Enable help and support service", "helpsvc",
     "Enables Help and Support Center to run on this computer. If this service is stopped, Help "
     "and Support Center will be unavailable. If this service is disabled, any services that "
     "explicitly depend on it will fail to start."},
    {15, "Enable secure center management function", "wscsvc",
     "Monitors system security settings and configurations."},
    {16, "Enable UPNP device detection", "SSDPSRV",
     "Enables discovery of UPnP devices on your home network."},
    {17, "Enable Time Synchronizing service", "W32Time",
     "Maintains date and time synchronization on all clients and servers in the network. If "
     "thisservice is stopped, date and time synchronization will be unavailable. If this service "
     "isdisabled, any services that explicitly depend on it will fail to start."},
    {18, "Enable multi-users connect and operate one computer", "TermService",
     "Allows multiple users to be connected interactively to a machine as well as the display of "
     "desktops and applications to remote computers. The underpinning of Remote Desktop "
     "(including RD for Administrators), Fast User Switching, Remote Assistance, and Terminal "
     "Server."},
    {19, "Enable registering for remote computer and refresh IP address function", "WinDHCPsvc",
     "Register for remote computer and refresh IP address."},
    {20, "Enable Desktop management experience", "Themes",
     "Provides user experience theme management."},
    {21, "Enable tracing system event", "SENS",
     "Tracks system events such as Windows logon, network, and power events.  Notifies COM+ "
     "Event System subscribers of these events."},
    {22, "Enable messenger service", "Messenger",
     "Transmits net send and Alerter service messages between clients and servers. This service "
     "is not related to Windows Messenger. If this service is stopped, Alerter messages will not "
     "be transmitted. If this service is disabled, any services that explicitly depend on it will "
     "fail to start."},
}};

// Which boxes each model ticks, box 1 first; rows are models 0 to 5.
constexpr std::string_view kPresets[] = {
    // box 1 ........ 10 ....... 20 .22
    "1111111111111111111111",  // 0 Windows XP Default
    "1101111111000001000011",  // 1 Office
    "1101111111000001000010",  // 2 Notebook
    "1111111011000001000100",  // 3 Home
    "0110110000000000110000",  // 4 Internet Cafe
    "1110011001000000000100",  // 5 Campus
};

}  // namespace

const std::array<ServiceBox, kServiceBoxCount>& ServiceTable() {
  return kServices;
}

void PresetServices(int model, ServiceBoxes& boxes) {
  if (model < 0 || model > 5) return;
  const std::string_view ticks = kPresets[static_cast<std::size_t>(model)];
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = ticks[i] == '1';
}

}  // namespace halvex::tools::system_speed
