#include "BuildCommands.h"

#include "Paths.h"
#include "Texts.h"
#include "BuildRules.h"
#include "CommandTemplate.h"

#include <optional>

namespace kforge {

const char* const kCompilerErrorsMessage =
    "  C++ compiler occurred some errors, see Output from compiler !   ";
const char* const kLinkerErrorsMessage = "  C++ linker occurred some errors, see Output from linker !   ";
const char* const kBuildMessageTitle = "Build";

namespace {

// The scratch files of a document that was never saved, in the IDE's folder.
std::string ScratchSource(const BuildContext& context) { return context.appFolder + "\\b31415926.kln"; }
std::string ScratchProgram(const BuildContext& context) { return context.appFolder + "\\b31415926.exe"; }

bool IsSolutionBuild(const BuildContext& context) { return !Trim(context.startup).empty(); }

std::string ReleaseFolder(const BuildContext& context) { return GetPath(context.solutionPath) + "\\Release"; }

// The file whose program Execute starts: the start-up file, else the active
// document's file, else the scratch program.
std::string ProgramSource(const BuildContext& context)
{
    for (const std::string& candidate : {context.startup, context.activeFileName})
        if (!Trim(candidate).empty()) return Trim(candidate);
    return ScratchProgram(context);
}

// A tool that could not be started lets the next step run; one that ran and
// failed ends the tool steps.
bool StepFailed(int exitCode) { return exitCode != 0 && exitCode != kNotStarted; }

// Writes the solution's files into its Release folder (an open document's
// text, else the file from disk): the copy of the start-up file is the target.
std::string PrepareSolutionTarget(const BuildContext& context, BuildEnvironment& env)
{
    std::string release = ReleaseFolder(context);
    env.SetCurrentFolder(GetPath(context.solutionPath));
    env.CreateFolder(release);
    for (const std::string& file : context.projectFiles)
        if (!env.SaveBuildFile(file)) env.CopyOver(file, release + "\\" + GetFileName(file));
    return release + "\\" + GetFileName(Trim(context.startup));
}

// A single named document is built and run as the editor shows it: its
// unsaved changes are saved first. False when they could not be saved.
bool SaveShownDocument(const BuildContext& context, BuildEnvironment& env)
{
    return IsSolutionBuild(context) || Trim(context.activeFileName).empty() || env.SaveActiveDocumentChanges();
}

// None when the document's changes could not be saved.
std::optional<std::string> ChooseTarget(const BuildContext& context, BuildEnvironment& env)
{
    if (!SaveShownDocument(context, env)) return std::nullopt;
    if (IsSolutionBuild(context)) return PrepareSolutionTarget(context, env);
    std::string target = Trim(context.activeFileName);
    if (!target.empty()) return target;
    target = Trim(ScratchSource(context));
    env.SaveActiveDocumentAs(target);
    return target;
}

// The tool steps in their folder. Ends early (none) when a step that is
// switched on finds a configuration it does not know; otherwise whether a
// step failed.
std::optional<bool> RunToolSteps(const std::string& target, const std::string& configuration,
                                 BuildEnvironment& env)
{
    auto setting = [&env](const char* name) { return LowerCase(env.Setting(name)); };
    std::string base = GetPath(target) + "\\" + GetFileTitle(target);
    if (env.IsNormalFile(base + ".rc") &&
        StepFailed(
            env.RunToolCommand(ToolCommand(setting("ResPath"), env.Setting("ResParam0")), base + ".rc")))
        return true;
    if (IsSettingOn(setting("UseProcessor")) &&
        StepFailed(env.RunToolCommand(ToolCommand(setting("ProcPath"), env.Setting("ProcParam")), target)))
        return true;
    struct ConfiguredStep {
        const char* use;
        const char* path;
        const char* parameters;
    };
    for (const ConfiguredStep& step : {ConfiguredStep{"UseCompiler", "CompilerPath", "Param"},
                                       ConfiguredStep{"UseLinker", "LinkerPath", "LinkParam"}}) {
        if (!IsSettingOn(setting(step.use))) continue;
        std::optional<int> index = ConfigurationIndex(configuration);
        if (!index) return std::nullopt;
        std::string parameters = env.Setting(step.parameters + std::to_string(*index));
        if (StepFailed(env.RunToolCommand(ToolCommand(setting(step.path), parameters), target))) return true;
    }
    return false;
}

// The error files of the folder the tools ran in; shows the message of the
// first that reports errors.
bool ErrorFilesReportErrors(BuildEnvironment& env)
{
    std::string folder = env.CurrentFolder();
    for (const auto& [file, message] : {std::pair{"\\bcc32.err", kCompilerErrorsMessage},
                                        std::pair{"\\ilink32.err", kLinkerErrorsMessage}}) {
        if (HasErrorLine(env.ReadTextFile(folder + file))) {
            env.ShowMessage(message, kBuildMessageTitle, kBuildMessageFlags);
            return true;
        }
    }
    return false;
}

// Execute's program: the scratch source goes, the program starts.
BuildOutcome StartChosenProgram(const BuildContext& context, BuildEnvironment& env)
{
    std::string program = ProgramSource(context);
    env.RemoveFile(ScratchSource(context));
    env.StartProgram(ExecutableFor(program));
    return BuildOutcome::Completed;
}

}  // namespace

BuildOutcome BuildBuild(const BuildContext& context, BuildEnvironment& env)
{
    env.RemoveFile(ScratchSource(context));
    env.RemoveFile(ScratchProgram(context));
    env.ClearOutput();
    std::optional<std::string> chosen = ChooseTarget(context, env);
    if (!chosen) return BuildOutcome::EndedEarly;
    std::string target = *chosen;
    std::string folder = GetPath(target);
    env.SetCurrentFolder(folder);
    // Error files of an earlier build must not decide this one.
    env.RemoveFile(folder + "\\bcc32.err");
    env.RemoveFile(folder + "\\ilink32.err");

    std::optional<bool> stepFailed = RunToolSteps(target, Trim(context.configuration), env);
    if (!stepFailed) return BuildOutcome::EndedEarly;
    if (IsSolutionBuild(context)) env.RemoveMatching(ReleaseFolder(context), "*.kln");
    if (ErrorFilesReportErrors(env) || *stepFailed) return BuildOutcome::EndedEarly;

    std::string program = ProgramSource(context);
    env.RemoveFile(ScratchSource(context));
    if (IsSolutionBuild(context)) program = ReleaseFolder(context) + "\\" + GetFileName(program);
    env.StartProgram(ExecutableFor(program));
    return BuildOutcome::Completed;
}

BuildOutcome BuildAll(const BuildContext& context, BuildEnvironment& env)
{
    env.ClearOutput();
    std::string batch = Trim(context.buildBatch);
    if (batch.empty() && !Trim(context.activeFileName).empty())
        batch = GetPath(Trim(context.activeFileName)) + "\\make.bat";
    if (!batch.empty()) {
        env.SetCurrentFolder(GetPath(batch));
        if (StepFailed(env.ExecCmd(QuoteIfBlank(batch)))) return BuildOutcome::EndedEarly;
    }
    env.RemoveFile(ScratchSource(context));
    env.RemoveFile(ScratchProgram(context));
    return StartChosenProgram(context, env);
}

BuildOutcome BuildExecute(const BuildContext& context, BuildEnvironment& env)
{
    if (!SaveShownDocument(context, env)) return BuildOutcome::EndedEarly;
    return StartChosenProgram(context, env);
}

BuildOutcome BuildClean(const BuildContext& context, BuildEnvironment& env)
{
    std::string solution = Trim(context.solutionPath);
    if (solution.empty() || !env.IsNormalFile(solution)) return BuildOutcome::Completed;
    env.RemoveMatching(GetPath(solution), "*.kmd");
    env.RemoveMatching(GetPath(solution), "*.lib");
    env.RemoveFile(ScratchProgram(context));
    return BuildOutcome::Completed;
}

}  // namespace kforge
