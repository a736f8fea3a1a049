object FirstForm: TForm
  ClientWidth = 460
  ClientHeight = 300
  object Wizard: TZelvant
    NumPages = 3
    CaptionDialog = 'Dialog'
    CaptionWizard = 'My Setup - step %d of %d'
    ShowGlyph = False
    BtnFinish.Text = '&Finish'
    BtnFinish.Enabled = True
    BtnFinish.Show = True
    BtnDialogOK.Text = '&OK'
    BtnDialogOK.Enabled = True
    BtnDialogOK.Show = True
    BtnChangeWizard.Text = '&Wizard'
    BtnChangeWizard.Enabled = True
    BtnChangeWizard.Show = True
    BtnChangeDialog.Text = '&Dialog'
    BtnChangeDialog.Enabled = True
    BtnChangeDialog.Show = True
    BtnCancel.Text = '&Cancel'
    BtnCancel.Enabled = True
    BtnCancel.Show = True
    BtnNext.Text = '&Next'
    BtnNext.Layout = blGlyphRight
    BtnNext.Enabled = True
    BtnNext.Show = True
    BtnBack.Text = '&Back'
    BtnBack.Enabled = True
    BtnBack.Show = True
    object Page1: TAPanel
      Left = 8
      Top = 8
      Width = 440
      Height = 230
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000800000008000000010000000000000000000000
        00000000000000000000000000000000}
      object Welcome: TLabel
        Left = 16
        Top = 16
        Width = 400
        Height = 20
        Caption = 'Welcome to My Setup. Press Next to go on.'
      end
    end
    object Page2: TAPanel
      Left = 8
      Top = 8
      Width = 440
      Height = 230
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000800000008000000
        01000000000000000000000000000000}
      object Question: TLabel
        Left = 16
        Top = 16
        Width = 400
        Height = 20
        Caption = 'How do you want to install?'
      end
      object Express: TRadioButton
        Left = 24
        Top = 48
        Width = 300
        Height = 20
        Caption = '&Express'
        Checked = True
      end
      object Custom: TRadioButton
        Left = 24
        Top = 72
        Width = 300
        Height = 20
        Caption = '&Custom'
      end
    end
    object Page3: TAPanel
      Left = 8
      Top = 8
      Width = 440
      Height = 230
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        00000000080000000800000001000000}
      object Ready: TLabel
        Left = 16
        Top = 16
        Width = 400
        Height = 20
        Caption = 'Ready to install. Press Finish.'
      end
    end
  end
end
