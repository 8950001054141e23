// morvel_core.dll's two exports (morvel_core.h): the simulator's machinery, and morvel's command
// line run over a host program of another build, which loads the plug-in and calls it in its own
// frames.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "hostsim/core/core_services.h"
#include "hostsim/host.h"
#include "hostsim/session/plugin_module.h"
#include "hostsim/session/session.h"

namespace klarvo::sim {
namespace {

// The plug-in as the host program loads and calls it.
class ProgramModule : public PluginModule {
public:
    explicit ProgramModule(const MorvelHostProgram& program) : program_(program) {}

    void Load() override {
        if (!program_.load()) throw std::runtime_error("Klarvo.dll cannot be loaded from the host program's folder");
    }
    void Unload() override { program_.unload(); }
    std::optional<int> Initialise(char* displayName) override {
        int result = -1;
        if (!Host::Active().CalledModule(program_.initialise(displayName, &result) != 0)) return std::nullopt;
        return result;
    }
    std::optional<int> Withdraw() override {
        int result = -1;
        if (!Host::Active().CalledModule(program_.withdraw(&result) != 0)) return std::nullopt;
        return result;
    }
    bool RegisterOrReport(int report) override { return Host::Active().CalledModule(program_.register_or_report(report) != 0); }
    bool Registered() const override { return program_.registered() != 0; }
    bool RunCommand() override { return Host::Active().CalledModule(program_.run_command() != 0); }

private:
    const MorvelHostProgram& program_;
};

}  // namespace
}  // namespace klarvo::sim

extern "C" __declspec(dllexport) const MorvelCore* morvel_core() { return &klarvo::sim::CoreServices(); }

extern "C" __declspec(dllexport) int morvel_main(int argc, char** argv, const MorvelHostProgram* program) {
    using namespace klarvo::sim;
    Host::JoinHostProgram({[program]() -> std::optional<std::string> {
                               char what[256];
                               if (!program->left_held(what, sizeof what)) return std::nullopt;
                               return std::string(what);
                           },
                           [program] { program->begin_action(); }});
    ProgramModule module(*program);
    return RunMorvel({argv + 1, argv + argc}, module);
}
