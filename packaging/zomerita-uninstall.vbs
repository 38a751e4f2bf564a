' Removes Zomerita, whichever build of it is installed: every product that Windows
' Installer lists under the program's UpgradeCode, each with
' "msiexec /x {ProductCode} /qn /norestart", silently and without restarting.
' Run as administrator, from cmd, a script or Intune:
'   cscript //nologo zomerita-uninstall.vbs
' Ends with msiexec's code: 0 when everything went or nothing was installed, 3010 when
' a restart completes the removal, else the first other code msiexec ended with.
' It needs only what Windows Vista and 7 have as they come: Windows Script Host and the
' Windows Installer automation object. (ASCII only: Windows Script Host reads a script
' in the system's ANSI code page.)
Option Explicit
Const UpgradeCode = "@UPGRADECODE@"
Dim installer, shell, products, product, code, result
Set installer = CreateObject("WindowsInstaller.Installer")
Set shell = CreateObject("WScript.Shell")
Set products = installer.RelatedProducts(UpgradeCode)
If products.Count = 0 Then
    WScript.Echo "Zomerita is not installed (UpgradeCode " & UpgradeCode & ")."
End If
result = 0
For Each product In products
    WScript.Echo "Removing " & product & ", version " & installer.ProductInfo(product, "VersionString")
    code = shell.Run("msiexec.exe /x " & product & " /qn /norestart", 0, True)
    WScript.Echo "msiexec /x " & product & " ended with " & code
    If code = 3010 Then
        If result = 0 Then result = 3010
    ElseIf code <> 0 Then
        If result = 0 Or result = 3010 Then result = code
    End If
Next
WScript.Quit result
