# SPDX-License-Identifier: GPL-2.0-or-later
# The browsing window as a library (tests drive its widgets), and the program.
set(lumaroo_ui_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(lumaroo_ui STATIC
    ${lumaroo_ui_dir}/mainwindow.cpp
    ${lumaroo_ui_dir}/mainwindow.ui
    ${lumaroo_ui_dir}/AlternateTreeView.cpp
    ${lumaroo_ui_dir}/AppMenu.cpp
    ${lumaroo_ui_dir}/AttachmentMenu.cpp
    ${lumaroo_ui_dir}/DetailViewController.cpp
    ${lumaroo_ui_dir}/ElidedLabel.cpp
    ${lumaroo_ui_dir}/FolderItemsReader.cpp
    ${lumaroo_ui_dir}/LinkPolicy.cpp
    ${lumaroo_ui_dir}/ListViewSortMenu.cpp
    ${lumaroo_ui_dir}/LossNotice.cpp
    ${lumaroo_ui_dir}/MailHighlighter.cpp
    ${lumaroo_ui_dir}/MyWebViewWidget.cpp
    ${lumaroo_ui_dir}/NoDisplayGuard.cpp
    ${lumaroo_ui_dir}/ProgramArguments.cpp
    ${lumaroo_ui_dir}/RecentFilesMenu.cpp
    ${lumaroo_ui_dir}/PSTListView.cpp
    ${lumaroo_ui_dir}/PSTStackedWidget.cpp
    ${lumaroo_ui_dir}/PSTTreeView.cpp
    ${lumaroo_ui_dir}/PstInfoLabel.cpp
    ${lumaroo_ui_dir}/PstInfoLabel.ui
    ${lumaroo_ui_dir}/PstInfoView.cpp
    ${lumaroo_ui_dir}/PstInfoView.ui
    ${lumaroo_ui_dir}/PstListController.cpp
    ${lumaroo_ui_dir}/PstListModel.cpp
    ${lumaroo_ui_dir}/PstListOrder.cpp
    ${lumaroo_ui_dir}/PstListViewDelegate.cpp
    ${lumaroo_ui_dir}/PstMailView.cpp
    ${lumaroo_ui_dir}/PstMailView.ui
    ${lumaroo_ui_dir}/PstDocumentLoader.cpp
    ${lumaroo_ui_dir}/PstTreeController.cpp
    ${lumaroo_ui_dir}/PstTreeModel.cpp
    ${lumaroo_ui_dir}/PstTreeViewFilterModel.cpp
    ${lumaroo_ui_dir}/PstListFilterModel.cpp
    ${lumaroo_ui_dir}/SaveDialog.cpp
    ${lumaroo_ui_dir}/SearchController.cpp
    ${lumaroo_ui_dir}/SearchHitDelegate.cpp
    ${lumaroo_ui_dir}/SearchHitModel.cpp
    ${lumaroo_ui_dir}/SearchHitReader.cpp
    ${lumaroo_ui_dir}/SearchScopeBox.cpp
    ${lumaroo_ui_dir}/SearchStatusLine.cpp
    ${lumaroo_ui_dir}/SmimePanel.cpp
    ${lumaroo_ui_dir}/WindowPlacement.cpp
    ${lumaroo_ui_dir}/ThirdPartyNotices.cpp
    ${lumaroo_ui_dir}/UserGuideWindow.cpp
)
target_include_directories(lumaroo_ui PUBLIC ${lumaroo_ui_dir})
target_link_libraries(lumaroo_ui PUBLIC
    lumaroo_print lumaroo_mailweb lumaroo_pstparser lumaroo_public lumaroo_public_ui lumaroo_search
    Qt6::Widgets Qt6::Quick Qt6::QuickWidgets Qt6::WebEngineCore Qt6::WebEngineQuick Qt6::Concurrent)

# The mail view's guard against scripts and network and its large-page
# scheme, shared with the print pages (lumaroo_print).
add_library(lumaroo_mailweb STATIC
    ${lumaroo_ui_dir}/MailContentHandler.cpp
    ${lumaroo_ui_dir}/MailRequestGuard.cpp
)
target_include_directories(lumaroo_mailweb PUBLIC ${lumaroo_ui_dir})
target_link_libraries(lumaroo_mailweb PUBLIC lumaroo_public Qt6::WebEngineCore Qt6::WebEngineQuick)

# Pictures and the web view page, compiled in. Resources inside a static
# library would be dropped by the linker; as objects every user links them.
add_library(lumaroo_resources OBJECT ${lumaroo_ui_dir}/../resources/lumaroo.qrc)
target_link_libraries(lumaroo_resources PRIVATE Qt6::Core)
target_link_libraries(lumaroo_ui INTERFACE "$<TARGET_OBJECTS:lumaroo_resources>")
add_dependencies(lumaroo_ui lumaroo_resources)
# The translations, compiled in the same way.
target_link_libraries(lumaroo_ui INTERFACE "$<TARGET_OBJECTS:lumaroo_translations>")
add_dependencies(lumaroo_ui lumaroo_translations)

add_executable(lumaroo ${lumaroo_ui_dir}/main.cpp)
target_link_libraries(lumaroo PRIVATE lumaroo_ui Qt6::WebView)

# Installed with everything else by cmake/LumarooInstall.cmake.

# The window's Convert and Export buttons open the export dialog, which
# lives beside the engine it drives.
target_sources(lumaroo_ui PRIVATE ${lumaroo_ui_dir}/PstExport/PstExportDialog.cpp
    ${lumaroo_ui_dir}/PstExport/PstExportDialog.ui)
target_link_libraries(lumaroo_ui PUBLIC lumaroo_export)
