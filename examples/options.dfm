object OptionsForm: TForm
  Left = 0
  Top = 0
  Width = 330
  Height = 230
  BorderStyle = bsNone
  Caption = 'Options'
  Font.Name = 'MS Sans Serif'
  object FolderLabel: TLabel
    Left = 0
    Top = 4
    Width = 320
    Height = 13
    Caption = 'Start &menu folder:'
    FocusControl = FolderCombo
    WordWrap = True
  end
  object LanguageLabel: TLabel
    Left = 0
    Top = 56
    Width = 320
    Height = 13
    Caption = '&Language of the program:'
    FocusControl = LanguageCombo
    WordWrap = True
  end
  object FolderCombo: TComboBox
    Left = 0
    Top = 22
    Width = 320
    Height = 21
    TabOrder = 0
    Text = 'Zelvant Demo'
    Items.Strings = (
      'Zelvant Demo'
      'Zelvant'
      'Accessories/Zelvant Demo')
    ItemIndex = 0
  end
  object LanguageCombo: TComboBox
    Left = 0
    Top = 74
    Width = 200
    Height = 21
    Style = csDropDownList
    TabOrder = 1
    Text = 'English'
    Items.Strings = (
      'English'
      'Deutsch'
      'Fran'#231'ais')
    ItemIndex = 0
  end
  object UsersGroup: TGroupBox
    Left = 0
    Top = 108
    Width = 320
    Height = 72
    Caption = 'Install for'
    TabOrder = 2
    object AllUsersRadio: TRadioButton
      Left = 12
      Top = 20
      Width = 290
      Height = 17
      Caption = '&All users of this computer'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object JustMeRadio: TRadioButton
      Left = 12
      Top = 44
      Width = 290
      Height = 17
      Caption = '&Only me'
      TabOrder = 1
    end
  end
  object DesktopIconCheck: TCheckBox
    Left = 0
    Top = 188
    Width = 320
    Height = 17
    Caption = 'Create a &desktop icon'
    TabOrder = 3
  end
  object ExamplesCheck: TCheckBox
    Left = 0
    Top = 210
    Width = 320
    Height = 17
    Caption = 'Install the &examples'
    Checked = True
    State = cbChecked
    TabOrder = 4
  end
end
