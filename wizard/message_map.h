// Message maps: each class lists the messages and commands it handles; a lookup walks
// the class's table, then its base classes' tables. Handlers take no arguments.
#pragma once

#include <windows.h>

#include "runtime_class.h"

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_PAINT, ...
    UINT nCode;     // notification code of a WM_COMMAND (BN_CLICKED, LBN_DBLCLK ...)
    UINT nID;       // control or command id of a WM_COMMAND
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Base of everything that has a message map.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Runs the handler mapped to `message` (with `code` and `id` for WM_COMMAND) and
    // returns true, or returns false when no class in the chain maps it.
    bool OnCmdMsg(UINT message, UINT code, UINT id);

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                  \
public:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
                                               \
protected:                                     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        typedef theClass ThisClass __attribute__((unused));                           \
        typedef baseClass TheBaseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                        \
    {0, 0, 0, nullptr}                                                           \
    }                                                                            \
    ;                                                                            \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries};   \
    return &map;                                                                 \
    }

// A message without arguments, such as WM_PAINT.
#define ON_MESSAGE_VOID(message, memberFxn) \
    {message, 0, 0, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<AFX_PMSG>(&memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_LBN_DBLCLK(id, memberFxn) \
    {WM_COMMAND, LBN_DBLCLK, static_cast<UINT>(id), static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
