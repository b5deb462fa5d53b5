// Gallery page of the folder tree: the real file system from its root, opened at a
// temporary folder with a fixed set of subfolders (so that the page looks the same on
// every machine), the selected Directory, and buttons that create and remove folders -
// only inside that temporary folder, so the demo never touches anything else.
#include "pages.h"

#include <VEK_FolderTree.h>

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

using namespace vek;

namespace {

// The temporary folder lives as long as the page.
class DemoFolder : public QObject {
public:
    explicit DemoFolder(QObject* parent)
        : QObject(parent), FDir(QDir::tempPath() + "/vek-gallery-XXXXXX")
    {
        // Enough rows to fill the tree's view on the page, whatever lies around.
        for (const char* folder :
             {"Archive/2023", "Archive/2024", "Documents/Invoices", "Documents/Letters",
              "Documents/Reports/Q1", "Documents/Reports/Q2", "Documents/Reports/Q3",
              "Music/Live", "Music/Studio", "Photos/Family", "Photos/Garden", "Photos/Holidays",
              "Projects/Alpha", "Projects/Beta", "Videos", ".cache/hidden"})
            QDir(FDir.path()).mkpath(folder);
    }
    // The folder with a trailing separator, as the tree writes Directory.
    QString Path() const { return QDir::toNativeSeparators(FDir.path()) + QDir::separator(); }
    QString Path(const QString& relative) const
    {
        return QDir::toNativeSeparators(FDir.path() + '/' + relative) + QDir::separator();
    }
    // Whether folder lies strictly below the temporary folder.
    bool Holds(const QString& folder) const
    {
        return folder.startsWith(Path()) && folder.size() > Path().size();
    }

private:
    QTemporaryDir FDir;
};

// Opens the tree at the temporary folder with every branch of it shown and the folder
// in the top row, so that nothing of the machine's own folders is in view.
void ShowDemoFolder(TFolderTree* tree, const DemoFolder* demo)
{
    if (!tree->SelectPath(demo->Path("Documents/Reports")))
        return;
    TTreeNode* reports = tree->Selected();
    reports->Expand(false);
    TTreeNode* top = reports->Parent()->Parent();
    for (int i = 0; i < top->Count(); ++i)
        top->Item(i)->Expand(false);
    tree->scrollToItem(top, QAbstractItemView::PositionAtTop);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* demo = new DemoFolder(page);
    auto* tree = new TFolderTree(page);

    auto* directory = new QLineEdit;
    directory->setReadOnly(true);
    auto* name = new QLineEdit(QStringLiteral("New folder"));
    auto* create = new QPushButton(QStringLiteral("MakeSubFolder"));
    auto* remove = new QPushButton(QStringLiteral("RemoveSelectedFolder"));
    auto* refresh = new QPushButton(QStringLiteral("RefreshTree"));
    auto* status = new QLabel(QStringLiteral("Creating and removing works inside\nthe "
                                             "temporary folder only."));
    auto showDirectory = [=](const QString& path) {
        directory->setText(path);
        directory->setCursorPosition(int(path.size())); // the selected name, not the root
        create->setEnabled(demo->Holds(path) || path == demo->Path());
        remove->setEnabled(demo->Holds(path));
    };
    QObject::connect(tree, &TFolderTree::directoryChanged, page, showDirectory);
    QObject::connect(create, &QPushButton::clicked, page, [=] {
        status->setText(tree->MakeSubFolder(name->text()) ? QStringLiteral("Created.")
                                                          : QStringLiteral("Name refused."));
    });
    QObject::connect(remove, &QPushButton::clicked, page, [=] {
        status->setText(tree->RemoveSelectedFolder() ? QStringLiteral("Removed.")
                                                     : QStringLiteral("Not removed: not empty?"));
    });
    QObject::connect(refresh, &QPushButton::clicked, page, [tree] { tree->RefreshTree(); });
    auto* lines = new QCheckBox(QStringLiteral("ShowLines"));
    lines->setChecked(tree->ShowLines());
    QObject::connect(lines, &QCheckBox::toggled, tree, &TFolderTree::SetShowLines);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("New name"), name);
    form->addRow(create);
    form->addRow(remove);
    form->addRow(refresh);
    form->addRow(lines);
    form->addRow(status);
    auto* row = new QHBoxLayout;
    row->addWidget(tree, 1);
    row->addLayout(form);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row, 1);
    layout->addWidget(directory);

    showDirectory(tree->Directory());
    ShowDemoFolder(tree, demo);
    return page;
}

const GalleryPageRegistrar registrar({150, "Folder tree (TFolderTree)", "foldertree", CreatePage});

} // namespace
