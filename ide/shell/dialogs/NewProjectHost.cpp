#include "NewProjectHost.h"

#include "CodeEdit.h"
#include "IDocument.h"
#include "MainWindow.h"

namespace kforge {

ShellValues& NewProjectHost::Values() { return main_.Values(); }

std::shared_ptr<DocWindow> NewProjectHost::Window(int id) const { return main_.WindowById(id); }

IDocument* NewProjectHost::Document(int id) const
{
    std::shared_ptr<DocWindow> window = Window(id);
    return window ? window->Form() : nullptr;
}

std::vector<int> NewProjectHost::DocumentWindows()
{
    std::vector<int> ids;
    for (const std::shared_ptr<DocWindow>& window : main_.Dock().Windows().Snapshot()) {
        if (!window->IsPane() && window->Form()) { ids.push_back(window->Id()); }
    }
    return ids;
}

int NewProjectHost::ActiveWindow()
{
    std::shared_ptr<DocWindow> active = main_.Dock().ActiveWindow();
    return active ? active->Id() : -1;
}

std::string NewProjectHost::WindowCaption(int window)
{
    std::shared_ptr<DocWindow> found = Window(window);
    return found ? found->Caption() : std::string();
}

void NewProjectHost::SetWindowCaption(int window, const std::string& caption)
{
    if (std::shared_ptr<DocWindow> found = Window(window)) { found->SetCaption(caption); }
}

std::string NewProjectHost::WindowKey(int window)
{
    std::shared_ptr<DocWindow> found = Window(window);
    return found ? found->Key() : std::string();
}

void NewProjectHost::SetWindowKey(int window, const std::string& key)
{
    if (std::shared_ptr<DocWindow> found = Window(window)) { found->SetKey(key); }
}

void NewProjectHost::Activate(int window)
{
    if (std::shared_ptr<DocWindow> found = Window(window)) { found->Activate(); }
}

void NewProjectHost::Close(int window)
{
    if (std::shared_ptr<DocWindow> found = Window(window)) { found->Close(); }
}

bool NewProjectHost::IsEditor(int window)
{
    IDocument* document = Document(window);
    return document && document->IsEditor();
}

std::string NewProjectHost::FileName(int window)
{
    IDocument* document = Document(window);
    return document ? document->FileName() : std::string();
}

void NewProjectHost::SetFileName(int window, const std::string& path)
{
    if (IDocument* document = Document(window)) { document->SetFileName(path); }
}

bool NewProjectHost::DocChanged(int window)
{
    IDocument* document = Document(window);
    return document && document->DocChanged();
}

void NewProjectHost::SetModuleLabel(int window, const std::string& text)
{
    if (IDocument* document = Document(window)) { document->SetModuleLabel(text); }
}

void NewProjectHost::SetEditorText(int window, const std::string& text)
{
    IDocument* document = Document(window);
    if (document && document->Editor()) { document->Editor()->SetText(text); }
}

// A document whose file is written is no longer changed.
bool NewProjectHost::SaveEditorText(int window, const std::string& path)
{
    IDocument* document = Document(window);
    if (!document || !document->Editor() || !document->Editor()->SaveFile(path, false)) { return false; }
    document->SetDocChanged(false);
    return true;
}

void NewProjectHost::NewDocument(const std::string& path) { main_.NewDocument(path); }

void NewProjectHost::SaveFile() { main_.RunCommand("FileSave"); }

void NewProjectHost::UpdateUI(bool projectTools) { main_.UpdateUI(projectTools); }

void NewProjectHost::InitializeProject() { main_.InitializeProject(); }

void NewProjectHost::AddMruItem(const std::string& listKey, const std::string& text)
{
    main_.AddMruItem(listKey, text);
}

bool NewProjectHost::CheckFile(const std::string& path)
{
    return main_.Explorer() && main_.Explorer()->CheckFile(path);
}

void NewProjectHost::SaveSolution(const std::string& path)
{
    if (main_.Explorer()) { main_.Explorer()->SaveSolution(path); }
}

void NewProjectHost::AddItem(const std::string& relativeKey, int relation, const std::string& key,
                             const std::string& text, int image)
{
    if (main_.Explorer()) { main_.Explorer()->Tree1()->AddItem(relativeKey, relation, key, text, image); }
}

void NewProjectHost::RenameItem(int index, const std::string& text)
{
    if (main_.Explorer()) { main_.Explorer()->Tree1()->RenameItem(index, text); }
}

void NewProjectHost::RenameItem(const std::string& key, const std::string& text)
{
    if (main_.Explorer()) { main_.Explorer()->Tree1()->RenameItem(key, text); }
}

void NewProjectHost::SetItemTag(const std::string& key, const std::string& tag)
{
    if (main_.Explorer()) { main_.Explorer()->Tree1()->SetItemTag(key, tag); }
}

}  // namespace kforge
