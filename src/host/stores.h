#pragma once
// The two stores that the host keeps for a module, each read and written through one service
// with a mode: a settings file of the module's own (service 41399) and the host's configuration
// (service 52224).

namespace klarvo::host {

enum SettingsMode : int { kReadSetting = 8, kWriteSetting = 9 };
enum ConfigurationMode : int { kReadConfiguration = 1, kWriteConfiguration = 2 };

}  // namespace klarvo::host
