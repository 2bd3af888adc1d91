#ifndef MODULERESOURCEICONS_H
#define MODULERESOURCEICONS_H

// Registers the suite's shared icons (":/Navigation/", ":/NavBarPressed/",
// ":/module_icons/", ":/FileMenu/", ":/Help/"). Safe to call more than once;
// the widgets of this library that show these icons call it themselves, and
// a program calls it at start-up so its own style sheets can use the paths.
// Defined by the resource compiler.
int qInitResources_module_resource_icons();

#endif
