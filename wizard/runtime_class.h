// Run-time class information for the wizard classes: a class name, its base and, for
// classes with dynamic creation, a factory. Portable: no <windows.h>.
#pragma once

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class has no dynamic creation.
    CObject* CreateObject() const;
    // True when this class is `base` or derives from it.
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* type) const;
    static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                      \
public:                                                  \
    static const CRuntimeClass class##class_name;        \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(class_name, base_name)                                       \
    const CRuntimeClass class_name::class##class_name = {#class_name, nullptr,          \
                                                         RUNTIME_CLASS(base_name)};     \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class##class_name; }

#define IMPLEMENT_DYNCREATE(class_name, base_name)                                     \
    CObject* class_name::CreateObject() { return new class_name; }                      \
    const CRuntimeClass class_name::class##class_name = {                               \
        #class_name, &class_name::CreateObject, RUNTIME_CLASS(base_name)};              \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class##class_name; }
