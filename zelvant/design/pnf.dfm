object PageNameDialog: TPageNameDialog
  Left = 245
  Top = 108
  BorderStyle = bsDialog
  Caption = 'PageNames'
  ClientHeight = 315
  ClientWidth = 390
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object PageList: TStringGrid
    Left = 0
    Top = 0
    Width = 301
    Height = 315
    Align = alClient
    ColCount = 2
    DefaultRowHeight = 16
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goDrawFocusSelected, goEditing]
    TabOrder = 0
    ColWidths = (
      30
      264)
  end
  object Panel1: TPanel
    Left = 301
    Top = 0
    Width = 89
    Height = 315
    Align = alRight
    TabOrder = 1
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Up'
      TabOrder = 0
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 8
      Top = 40
      Width = 75
      Height = 25
      Caption = 'Down'
      TabOrder = 1
      OnClick = Button2Click
    end
    object Button3: TButton
      Left = 8
      Top = 72
      Width = 75
      Height = 25
      Caption = 'Insert'
      TabOrder = 2
      OnClick = Button3Click
    end
    object Button4: TButton
      Left = 8
      Top = 104
      Width = 75
      Height = 25
      Caption = 'Delete'
      TabOrder = 3
      OnClick = Button4Click
    end
    object Button5: TButton
      Left = 8
      Top = 136
      Width = 75
      Height = 25
      Caption = 'Add'
      TabOrder = 4
      OnClick = Button5Click
    end
    object Button6: TButton
      Left = 8
      Top = 248
      Width = 75
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 5
    end
    object Button7: TButton
      Left = 8
      Top = 280
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 6
    end
  end
end
