object UserDlg: TUserDlg
  Left = 280
  Top = 190
  HelpContext = 270
  BorderStyle = bsDialog
  Caption = 'Benutzer-Daten'
  ClientHeight = 331
  ClientWidth = 400
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = False
  Position = poOwnerFormCenter
  OnActivate = FormActivate
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 14
  object Panel1: TPanel
    Left = 0
    Top = 290
    Width = 400
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object SaveBtn: TBitBtn
      Left = 110
      Top = 8
      Width = 85
      Height = 25
      Caption = 'Speichern'
      Enabled = False
      TabOrder = 0
      OnClick = SaveBtnClick
    end
    object CloseBtn: TBitBtn
      Left = 205
      Top = 8
      Width = 85
      Height = 25
      Caption = 'Schlie'#223'en'
      TabOrder = 1
      Kind = bkClose
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 290
    Align = alClient
    BevelOuter = bvLowered
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 15
      Width = 60
      Height = 14
      Caption = 'Firma'
    end
    object FirmaEdit: TEdit
      Left = 80
      Top = 12
      Width = 310
      Height = 22
      TabOrder = 0
      OnChange = FirmaEditChange
    end
    object Label2: TLabel
      Left = 8
      Top = 41
      Width = 60
      Height = 14
      Caption = 'Nutzer '
    end
    object UserEdit: TEdit
      Left = 80
      Top = 38
      Width = 310
      Height = 22
      TabOrder = 1
      OnChange = FirmaEditChange
    end
    object Label3: TLabel
      Left = 8
      Top = 67
      Width = 60
      Height = 14
      Caption = 'Strasse'
    end
    object StrasseEdit: TEdit
      Left = 80
      Top = 64
      Width = 310
      Height = 22
      TabOrder = 2
      OnChange = FirmaEditChange
    end
    object Label4: TLabel
      Left = 8
      Top = 93
      Width = 60
      Height = 14
      Caption = 'PLZ / Ort'
    end
    object PLZEdit: TEdit
      Left = 80
      Top = 90
      Width = 50
      Height = 22
      MaxLength = 5
      TabOrder = 3
      OnChange = FirmaEditChange
    end
    object OrtEdit: TEdit
      Left = 136
      Top = 90
      Width = 254
      Height = 22
      TabOrder = 4
      OnChange = FirmaEditChange
    end
    object Label5: TLabel
      Left = 8
      Top = 119
      Width = 60
      Height = 14
      Caption = 'Telefon'
    end
    object TelefonEdit: TEdit
      Left = 80
      Top = 116
      Width = 310
      Height = 22
      TabOrder = 5
      OnChange = FirmaEditChange
    end
    object Label6: TLabel
      Left = 8
      Top = 145
      Width = 60
      Height = 14
      Caption = 'Fax'
    end
    object FaxEdit: TEdit
      Left = 80
      Top = 142
      Width = 310
      Height = 22
      TabOrder = 6
      OnChange = FirmaEditChange
    end
    object Label7: TLabel
      Left = 8
      Top = 171
      Width = 60
      Height = 14
      Caption = 'E-Mail'
    end
    object EMailEdit: TEdit
      Left = 80
      Top = 168
      Width = 310
      Height = 22
      TabOrder = 7
      OnChange = FirmaEditChange
    end
    object Label8: TLabel
      Left = 8
      Top = 196
      Width = 62
      Height = 28
      Caption = 'Vorbemer- kungen'
      WordWrap = True
    end
    object VortextMemo: TMemo
      Left = 80
      Top = 194
      Width = 310
      Height = 56
      TabOrder = 8
      OnChange = FirmaEditChange
    end
    object Label9: TLabel
      Left = 8
      Top = 262
      Width = 50
      Height = 14
      Caption = 'Sprache'
    end
    object SpracheCB: TComboBox
      Left = 80
      Top = 258
      Width = 150
      Height = 22
      Style = csDropDownList
      TabOrder = 9
      OnChange = SpracheCBChange
    end
    object TipCB: TCheckBox
      Left = 256
      Top = 260
      Width = 130
      Height = 17
      Caption = 'Tips zeigen'
      TabOrder = 10
    end
  end
  object UserFormStrHolder: TStrHolder
    Strings.Strings = (
      'Datei nicht vorhanden:'
      'Die '#196'nderungen wurden noch nicht gespeichert!!'
      'Wollen Sie die '#196'nderungen jetzt speichern?'
      'Die Sprache kann nur gewechselt werden, wenn kein Projekt aktiv ist!')
  end
  object FormTranslator: TFormTranslator
    Manager = MainForm.TranslationManager
    Left = 16
    Top = 296
  end
end
