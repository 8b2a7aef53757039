; The .dat association of the installer (packaging/windows/nsis.cmake): a
; class of its own, offered for every .dat file, and the default for .dat
; only where no other program owns it. The uninstaller takes back what the
; installer wrote.
!ifndef QM530_DAT_ASSOCIATION
!define QM530_DAT_ASSOCIATION

!macro QM530_ASSOCIATE_DAT
  WriteRegStr HKLM "Software\Classes\qm530.RadioImage" "" "QM530 radio image"
  WriteRegStr HKLM "Software\Classes\qm530.RadioImage\DefaultIcon" "" "$INSTDIR\qm530-cps.exe,0"
  WriteRegStr HKLM "Software\Classes\qm530.RadioImage\shell\open\command" "" '"$INSTDIR\qm530-cps.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "qm530.RadioImage" ""
  ReadRegStr $0 HKLM "Software\Classes\.dat" ""
  StrCmp $0 "" 0 +2
    WriteRegStr HKLM "Software\Classes\.dat" "" "qm530.RadioImage"
  ; Explorer reads the associations again.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!macro QM530_DISSOCIATE_DAT
  ReadRegStr $0 HKLM "Software\Classes\.dat" ""
  StrCmp $0 "qm530.RadioImage" 0 +2
    DeleteRegValue HKLM "Software\Classes\.dat" ""
  DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "qm530.RadioImage"
  DeleteRegKey /ifempty HKLM "Software\Classes\.dat\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.dat"
  DeleteRegKey HKLM "Software\Classes\qm530.RadioImage"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!endif
