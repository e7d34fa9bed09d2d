// The plot component's published properties with their stored defaults.

#include "controls/plot/component/PlotComponent.h"

#include "platform/forms/GraphicsProperties.h"

using korvan::forms::ClassBuilder;

using korvan::forms::BrushStyleNames;
using korvan::forms::PenStyleNames;

const TClassInfo& TiPlotComponent::StaticClassInfo() {
    using C = TiPlotComponent;
    using namespace korvan::plot;
    static const TClassInfo info =
        ClassBuilder<C>("TiPlotComponent", &TiCustomComponent::StaticClassInfo())
            // Streamed as defined properties, always written.
            .Property("DataViewZHorz", &C::DataViewZHorz, &C::SetDataViewZHorz)
            .Stored(false)
            .Property("DataViewZVert", &C::DataViewZVert, &C::SetDataViewZVert)
            .Stored(false)
            .Property("XYAxesReverse", &C::XYAxesReverse, &C::SetXYAxesReverse)
            .Default(false)
            .Property("UserCanEditObjects", &C::UserCanEditObjects, &C::SetUserCanEditObjects)
            .Default(true)
            .Property("UserCanAddRemoveChannels", &C::UserCanAddRemoveChannels,
                      &C::SetUserCanAddRemoveChannels)
            .Default(false)
            .Property("OuterMarginLeft", &C::OuterMarginLeft, &C::SetOuterMarginLeft)
            .Default(5)
            .Property("OuterMarginTop", &C::OuterMarginTop, &C::SetOuterMarginTop)
            .Default(5)
            .Property("OuterMarginRight", &C::OuterMarginRight, &C::SetOuterMarginRight)
            .Default(5)
            .Property("OuterMarginBottom", &C::OuterMarginBottom, &C::SetOuterMarginBottom)
            .Default(5)
            .Enum("PrintOrientation", &C::PrintOrientation, &C::SetPrintOrientation,
                  PrinterOrientationNames(), "TPrinterOrientation")
            .Default(poLandscape)
            .Property("PrintMarginLeft", &C::PrintMarginLeft, &C::SetPrintMarginLeft)
            .Property("PrintMarginTop", &C::PrintMarginTop, &C::SetPrintMarginTop)
            .Property("PrintMarginRight", &C::PrintMarginRight, &C::SetPrintMarginRight)
            .Property("PrintMarginBottom", &C::PrintMarginBottom, &C::SetPrintMarginBottom)
            .Property("PrintShowDialog", &C::PrintShowDialog, &C::SetPrintShowDialog)
            .Default(true)
            .Property("PrintDocumentName", &C::PrintDocumentName, &C::SetPrintDocumentName)
            .Property("PrinterName", &C::PrinterName, &C::SetPrinterName)
            .Property("HintsPause", &C::HintsPause, &C::SetHintsPause)
            .Default(500)
            .Property("HintsHidePause", &C::HintsHidePause, &C::SetHintsHidePause)
            .Default(2500)
            .Property("HintsShow", &C::HintsShow, &C::SetHintsShow)
            .Default(true)
            .Property("HintsFont", &C::HintsFont, &C::SetHintsFont)
            .Enum("EditorFormStyle", &C::EditorFormStyle, &C::SetEditorFormStyle, FormStyleNames(),
                  "TiPlotFormStyle")
            .Default(ipfsModal)
            .Enum("CopyToClipBoardFormat", &C::CopyToClipBoardFormat, &C::SetCopyToClipBoardFormat,
                  ExportFormatNames(), "TiPlotExportFormat")
            .Default(ipefMetaFile)
            // Label 0 streams these itself.
            .Property("TitleVisible", &C::TitleVisible, &C::SetTitleVisible)
            .Stored(false)
            .Property("TitleText", &C::TitleText, &C::SetTitleText)
            .Stored(false)
            .Property("TitleFont", &C::TitleFont, &C::SetTitleFont)
            .Stored(false)
            .Property("TitleMargin", &C::TitleMargin, &C::SetTitleMargin)
            .Stored(false)
            .Property("LogFileName", &C::LogFileName, &C::SetLogFileName)
            .Property("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize)
            .Default(0)
            .Property("LoggingActive", &C::LoggingActive)
            .Property("AnnotationDefaultFont", &C::AnnotationDefaultFont, &C::SetAnnotationDefaultFont)
            .Enum("AnnotationDefaultBrushStlye", &C::AnnotationDefaultBrushStlye,
                  &C::SetAnnotationDefaultBrushStlye, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Property("AnnotationDefaultBrushColor", &C::AnnotationDefaultBrushColor,
                      &C::SetAnnotationDefaultBrushColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Enum("AnnotationDefaultPenStlye", &C::AnnotationDefaultPenStlye,
                  &C::SetAnnotationDefaultPenStlye, PenStyleNames(), "TPenStyle")
            .Default(psSolid)
            .Property("AnnotationDefaultPenColor", &C::AnnotationDefaultPenColor,
                      &C::SetAnnotationDefaultPenColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Property("AnnotationDefaultPenWidth", &C::AnnotationDefaultPenWidth,
                      &C::SetAnnotationDefaultPenWidth)
            .Default(1)
            .Enum("AnnotationDefaultReference", &C::AnnotationDefaultReference,
                  &C::SetAnnotationDefaultReference, ReferenceTypeNames(), "TiPlotReferenceType")
            .Default(iprtDataView)
            .Enum("AnnotationDefaultReferencePositionX", &C::AnnotationDefaultReferencePositionX,
                  &C::SetAnnotationDefaultReferencePositionX, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("AnnotationDefaultReferencePositionY", &C::AnnotationDefaultReferencePositionY,
                  &C::SetAnnotationDefaultReferencePositionY, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("AnnotationDefaultReferenceSizeX", &C::AnnotationDefaultReferenceSizeX,
                  &C::SetAnnotationDefaultReferenceSizeX, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("AnnotationDefaultReferenceSizeY", &C::AnnotationDefaultReferenceSizeY,
                  &C::SetAnnotationDefaultReferenceSizeY, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Property("ClipAnnotationsToAxes", &C::ClipAnnotationsToAxes, &C::SetClipAnnotationsToAxes)
            .Default(true)
            .Property("BackGroundGradientEnabled", &C::BackGroundGradientEnabled,
                      &C::SetBackGroundGradientEnabled)
            .Default(false)
            .Enum("BackGroundGradientDirection", &C::BackGroundGradientDirection,
                  &C::SetBackGroundGradientDirection, FillDirectionNames(), "TiFillDirection")
            .Default(ifdTopBottom)
            .Property("BackGroundGradientStartColor", &C::BackGroundGradientStartColor,
                      &C::SetBackGroundGradientStartColor)
            .TypeName("TColor")
            .Default(clBlue)
            .Property("BackGroundGradientStopColor", &C::BackGroundGradientStopColor,
                      &C::SetBackGroundGradientStopColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Enum("DataFileColumnSeparator", &C::DataFileColumnSeparator, &C::SetDataFileColumnSeparator,
                  DataFileColumnSeparatorNames(), "TiPlotDataFileColumnSeparator")
            .Default(ipdfcsTab)
            .Enum("DataFileFormat", &C::DataFileFormat, &C::SetDataFileFormat, DataFileFormatNames(),
                  "TiPlotDataFileFormat")
            .Default(ipdffText)
            .Property("DefaultSaveImageDirectory", &C::DefaultSaveImageDirectory,
                      &C::SetDefaultSaveImageDirectory)
            .Property("DefaultPropertyDirectory", &C::DefaultPropertyDirectory,
                      &C::SetDefaultPropertyDirectory)
            .Property("DefaultDataDirectory", &C::DefaultDataDirectory, &C::SetDefaultDataDirectory)
            .Property("DefaultAnnotationDirectory", &C::DefaultAnnotationDirectory,
                      &C::SetDefaultAnnotationDirectory)
            .Enum("DefaultSaveImageFormat", &C::DefaultSaveImageFormat, &C::SetDefaultSaveImageFormat,
                  ImageFormatStyleNames(), "TiPlotImageFormatStyle")
            .Default(ipifBitmap)
            .Property("DifferentialPropertySave", &C::DifferentialPropertySave,
                      &C::SetDifferentialPropertySave)
            .Default(false)
            .Property("BackGroundColor", &C::BackGroundColor, &C::SetBackGroundColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, BevelStyleNames(), "TiBevelStyle")
            .Default(ibsLowered)
            .Build();
    return info;
}
